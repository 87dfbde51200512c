// Frames per second of the whole game: the real scene and both windows under the framework's
// own loop, for a fixed time, counting the main view's frames. Needs an X display (Xvfb).
#include "framework/Main.h"
#include "game/LanderApp.h"
#include "lander/Lander.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {
using Clock = std::chrono::steady_clock;

const double kSeconds = 10.0;

// The game, measured from inside its loop. Every frame of the main view turns its spheres by
// half a degree, and the loop runs at most one frame per window between idle passes, so a
// changed angle at an idle pass is one frame.
class TimedGame : public LanderApp {
  public:
    // With `plume`, the lander jumps again and again at full power, and only the frames drawn
    // while the plume is being fed are counted.
    explicit TimedGame(bool plume) : plume(plume) {
        if (plume)
            lander->engine.AdjustPower(12 - lander->engine.power);
    }

    void OnIdle() override {
        const Clock::time_point now = Clock::now();
        const bool frame = mainWindow.spinAngle != lastSpin;
        lastSpin = mainWindow.spinAngle;
        if (!started) {
            // The first frames include the windows' creation; start with the first drawn one.
            if (frame) {
                started = true;
                begin = last = now;
                counting = Counting();
            }
            return;
        }
        if (counting) {
            seconds += std::chrono::duration<double>(now - last).count();
            frames += frame;
        }
        last = now;
        if (plume && !lander->running)
            lander->Launch();
        counting = Counting();
        if (std::chrono::duration<double>(now - begin).count() >= kSeconds)
            PostQuitMessage(0);
    }

    double frames = 0;
    double seconds = 0;
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
    bool started = false;
    bool counting = false;
    double lastSpin = 0;
    Clock::time_point begin;
    Clock::time_point last;
};

void RunGame(benchmark::State& state, bool plume) {
    GLAppHost::Instance()->consoleMode = true;
    for (auto _ : state) {
        auto game = std::make_unique<TimedGame>(plume);
        GLAppHost::Instance()->Run(0, nullptr);
        state.counters["frames"] = game->frames;
        state.counters["fps"] = game->seconds > 0 ? game->frames / game->seconds : 0;
        if (plume) {
            state.counters["power"] = game->lander->engine.power;
            state.counters["particles"] = game->particles;
        }
    }
}

void MainViewAtStart(benchmark::State& state) {
    RunGame(state, false);
}
void MainViewDuringFullPlume(benchmark::State& state) {
    RunGame(state, true);
}
} // namespace

BENCHMARK(MainViewAtStart)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);
BENCHMARK(MainViewDuringFullPlume)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
