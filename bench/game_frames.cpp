// Frame times of the whole game: the real scene and both windows under the framework's own
// loop. One run per way of drawing the plume measures, one after the other, the frame at the
// start (no plume) and the frame during a full plume, and reports both with their ratio, and
// the time from building the game to the first drawn frame of both windows. Needs an X display
// (Xvfb).
#include "framework/Main.h"
#include "game/LanderApp.h"
#include "lander/Lander.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {
using Clock = std::chrono::steady_clock;

const double kSeconds = 8.0;

double SecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// The game, measured from inside its loop. Every frame of the main view turns its spheres by
// half a degree, and the loop runs at most one frame per window between idle passes, so a
// changed angle at an idle pass is one frame of each window.
class TimedGame : public LanderApp {
  public:
    // With `plume`, the lander jumps again and again at full power, and only the frames drawn
    // while the plume is being fed are counted.
    TimedGame(bool plume, ParticleDrawPath path, Clock::time_point built)
        : plume(plume), built(built) {
        lander->engine.particles.drawPath = path;
        if (plume)
            lander->engine.AdjustPower(12 - lander->engine.power);
    }

    void OnIdle() override {
        const Clock::time_point now = Clock::now();
        const bool frame = mainWindow.spinAngle != lastSpin;
        lastSpin = mainWindow.spinAngle;
        if (!started) {
            // The first frames include the windows' creation; start with the first pass after
            // both windows have drawn.
            if (mainWindow.spinAngle > 0 && camWindow.spinAngle > 0) {
                started = true;
                firstFrames = SecondsBetween(built, now);
                begin = last = now;
                counting = Counting();
            }
            return;
        }
        if (counting) {
            seconds += SecondsBetween(last, now);
            frames += frame;
        }
        last = now;
        if (plume && !lander->running)
            lander->Launch();
        counting = Counting();
        if (SecondsBetween(begin, now) >= kSeconds)
            PostQuitMessage(0);
    }

    double frames = 0;
    double seconds = 0;
    double firstFrames = 0; // from building the game to both windows' first frame
    int particles = 0;

  private:
    bool Counting() {
        if (!plume)
            return true;
        const ParticleSystem& p = lander->engine.particles;
        const bool fed = lander->running && p.active && p.emitting;
        if (fed && p.count > particles)
            particles = p.count;
        return fed;
    }

    bool plume;
    Clock::time_point built;
    bool started = false;
    bool counting = false;
    double lastSpin = 0;
    Clock::time_point begin;
    Clock::time_point last;
};

struct Phase {
    double frameSeconds = 0; // one main-view frame with the camera window's frame
    double firstFrames = 0;
    int particles = 0;
};

Phase RunPhase(bool plume, ParticleDrawPath path) {
    GLAppHost::Instance()->consoleMode = true;
    const Clock::time_point built = Clock::now();
    auto game = std::make_unique<TimedGame>(plume, path, built);
    GLAppHost::Instance()->Run(0, nullptr);
    Phase phase;
    phase.frameSeconds = game->frames > 0 ? game->seconds / game->frames : 0;
    phase.firstFrames = game->firstFrames;
    phase.particles = game->particles;
    return phase;
}

void StartAndFullPlume(benchmark::State& state, ParticleDrawPath path) {
    for (auto _ : state) {
        const Phase start = RunPhase(false, path);
        const Phase plume = RunPhase(true, path);
        state.counters["start_ms"] = start.frameSeconds * 1e3;
        state.counters["plume_ms"] = plume.frameSeconds * 1e3;
        state.counters["plume/start"] =
            start.frameSeconds > 0 ? plume.frameSeconds / start.frameSeconds : 0;
        state.counters["particles"] = plume.particles;
        state.counters["first_frames_ms"] = start.firstFrames * 1e3;
    }
}
} // namespace

BENCHMARK_CAPTURE(StartAndFullPlume, fastest, ParticleDrawPath::Fastest)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(StartAndFullPlume, immediate, ParticleDrawPath::Immediate)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
