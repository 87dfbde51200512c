// One simulation step of the lander in flight with the whole exhaust pool live, and proof that a
// step allocates nothing.
#include "lander/GameLander.h"
#include "scene/Random.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

namespace {
std::atomic<long> allocations{0};

void* CountedAllocate(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
} // namespace

// Every allocation of the process goes through the counter. Kept out of line so the compiler
// does not pair its built-in new with our free.
[[gnu::noinline]] void* operator new(std::size_t size) {
    return CountedAllocate(size);
}
[[gnu::noinline]] void* operator new[](std::size_t size) {
    return CountedAllocate(size);
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete[](void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {
// Puts the lander back at the start and ignites the jump it is aimed at.
void Ignite(Lander& lander) {
    PlaceAtStart(lander);
    lander.Launch();
    lander.Update(kLanderStep);
}

void BM_LanderUpdateFlying(benchmark::State& state) {
    SeedRandom(1);
    long atStart = allocations.load();
    std::unique_ptr<Lander> lander(NewGameLander());
    // The counter works: building the lander allocates it and its two mast boxes.
    state.counters["allocs_building"] = static_cast<double>(allocations.load() - atStart);
    lander->engine.AdjustPower(7);
    lander->engine.AdjustPitch(30);
    lander->engine.AdjustYaw(30);
    // A leaned jump at power 12: the whole pool.
    Ignite(*lander);
    long steps = 0;
    long before = allocations.load();
    for (auto _ : state) {
        if (!lander->running) {
            state.PauseTiming();
            Ignite(*lander);
            state.ResumeTiming();
        }
        lander->Update(kLanderStep);
        ++steps;
    }
    long allocated = allocations.load() - before;
    state.counters["particles"] = lander->engine.particles.count;
    state.counters["allocs_per_step"] = static_cast<double>(allocated) / steps;
    state.counters["allocs_total"] = static_cast<double>(allocated);
}
BENCHMARK(BM_LanderUpdateFlying)->Unit(benchmark::kMicrosecond);

void BM_LanderUpdateStanding(benchmark::State& state) {
    SeedRandom(1);
    std::unique_ptr<Lander> lander(NewGameLander());
    lander->engine.AdjustPower(7);
    Ignite(*lander);
    while (lander->running)
        lander->Update(kLanderStep);
    long before = allocations.load();
    for (auto _ : state)
        lander->Update(kLanderStep);
    state.counters["allocs_total"] = static_cast<double>(allocations.load() - before);
}
BENCHMARK(BM_LanderUpdateStanding)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
