// Building the moon: seed, construction pass down to level 4 and face registration.
#include "terrain/Terrain.h"

#include <benchmark/benchmark.h>

static void BM_TerrainConstruct(benchmark::State& state) {
    for (auto _ : state) {
        Terrain* moon = new Terrain(700);
        benchmark::DoNotOptimize(moon);
        state.PauseTiming();
        delete moon;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TerrainConstruct)->Unit(benchmark::kMillisecond);

static void BM_TerrainConstructAndDestroy(benchmark::State& state) {
    for (auto _ : state) {
        Terrain moon(700);
        benchmark::DoNotOptimize(moon.roots[0]);
    }
}
BENCHMARK(BM_TerrainConstructAndDestroy)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
