// The per-frame refinement of the moon around a point moving over its surface.
#include "terrain/Terrain.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {
// A point on the nominal surface, step units along a circle that wanders in latitude.
Vec3 SurfacePoint(long step, double stepLength) {
    double t = step * stepLength / 700.0;
    double latitude = 1.2 * std::sin(0.3 * t);
    return Vec3(std::cos(latitude) * std::cos(t), std::sin(latitude),
                std::cos(latitude) * std::sin(t)) *
           700.0;
}
} // namespace

// Arg: distance moved per call, in world units.
static void BM_UpdateDetailMoving(benchmark::State& state) {
    Terrain moon(700);
    double stepLength = static_cast<double>(state.range(0));
    long step = 0;
    for (auto _ : state)
        moon.UpdateDetail(SurfacePoint(step++, stepLength));
    state.SetItemsProcessed(step);
}
BENCHMARK(BM_UpdateDetailMoving)->Arg(2)->Arg(10)->Arg(50)->Unit(benchmark::kMicrosecond);

static void BM_UpdateDetailStill(benchmark::State& state) {
    Terrain moon(700);
    moon.UpdateDetail(Vec3(0, 700, 0));
    for (auto _ : state)
        moon.UpdateDetail(Vec3(0, 700, 0));
}
BENCHMARK(BM_UpdateDetailStill)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
