// Drawing the exhaust plume at full count, in a real OpenGL context (run it under Xvfb), each
// way: one glBegin/glEnd per point (the reference) and one draw through a vertex program.
#include "lander/ParticleSystem.h"
#include "lander/PointProgramProbe.h"
#include "platform/Win32.h"
#include "scene/Random.h"

#include "bench/ViewWindow.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
struct DrawingWindow : ViewWindow {
    DrawingWindow() : ViewWindow(760, 120, 710) {}
};

// 1 when the draws went through a vertex program, 0 when they fell back to the reference.
double ThroughAProgram() {
    return PointProgramName(PointProgramKind::ArbProgram) ||
           PointProgramName(PointProgramKind::GlslShader);
}

std::unique_ptr<ParticleSystem> FullPlume() {
    auto plume = std::make_unique<ParticleSystem>();
    plume->SetBaseDirection(Vec3(0, -1, 0));
    plume->SetSpreadAxis(Vec3(0, 0, -1));
    plume->SetForce(Vec3(0, -1.6, 0));
    SeedRandom(1);
    plume->Restart(Vec3(0, 727.5, 0));
    plume->SetCount(ParticleSystem::kCapacity);
    plume->SetActive(true);
    return plume;
}

// Every record alive: 15,000 points per draw.
void BM_ParticlesDrawAllLive(benchmark::State& state, ParticleDrawPath path) {
    DrawingWindow window;
    if (!window.Ok()) {
        state.SkipWithError("no OpenGL context (run under Xvfb)");
        return;
    }
    auto plume = FullPlume();
    plume->drawPath = path;
    for (auto _ : state) {
        plume->Draw();
        glFinish();
    }
    state.counters["points"] = ParticleSystem::kCapacity;
    state.counters["program"] = ThroughAProgram();
}
BENCHMARK_CAPTURE(BM_ParticlesDrawAllLive, immediate, ParticleDrawPath::Immediate)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ParticlesDrawAllLive, vertex_program, ParticleDrawPath::VertexProgram)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ParticlesDrawAllLive, vertex_shader, ParticleDrawPath::VertexShader)
    ->Unit(benchmark::kMillisecond);

// The plume as it is in flight: stepped between draws (not timed), so dead records are reborn.
void BM_ParticlesDrawSteadyPlume(benchmark::State& state, ParticleDrawPath path) {
    DrawingWindow window;
    if (!window.Ok()) {
        state.SkipWithError("no OpenGL context (run under Xvfb)");
        return;
    }
    auto plume = FullPlume();
    plume->drawPath = path;
    long drawn = 0, frames = 0;
    for (auto _ : state) {
        state.PauseTiming();
        plume->Update();
        for (int i = 0; i < plume->count; ++i)
            drawn += plume->slots[i].life > 0.0;
        ++frames;
        state.ResumeTiming();
        plume->Draw();
        glFinish();
    }
    state.counters["points"] = frames ? static_cast<double>(drawn) / frames : 0.0;
    state.counters["program"] = ThroughAProgram();
}
BENCHMARK_CAPTURE(BM_ParticlesDrawSteadyPlume, immediate, ParticleDrawPath::Immediate)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ParticlesDrawSteadyPlume, vertex_program, ParticleDrawPath::VertexProgram)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ParticlesDrawSteadyPlume, vertex_shader, ParticleDrawPath::VertexShader)
    ->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
