// The message loop with two windows that redraw on every idle pass: idle passes and frames
// per second per window. Needs an X display.
#include "framework/GLWindow.h"
#include "framework/Main.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {
using Clock = std::chrono::steady_clock;

class ClearingWindow : public GLWindow {
  public:
    void OnCreate() override { glViewport(0, 0, Width(), Height()); }
    void OnDisplay() override {
        glClearColor(0.1f, 0.1f, 0.2f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        SwapBuffers();
        ++frames;
    }
    void OnIdle() override { Redraw(); }
    long frames = 0;
};

class TimedApp : public GLApp {
  public:
    explicit TimedApp(double seconds) : seconds(seconds) {}
    void OnInit() override { start = Clock::now(); }
    void OnIdle() override {
        ++idlePasses;
        if (!closing && std::chrono::duration<double>(Clock::now() - start).count() >= seconds) {
            closing = true;
            PostMessageA(GLAppHost::Instance()->MainWindow()->window, WM_CLOSE, 0, 0);
        }
    }
    double seconds;
    Clock::time_point start;
    long idlePasses = 0;
    bool closing = false;
};

void BM_LoopTwoWindows(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TimedApp app(3.0);
        ClearingWindow a, b;
        a.SetSize(size, size);
        b.SetSize(size, size);
        b.SetPosition(size + 20, 0);
        auto t0 = Clock::now();
        GLAppHost::Instance()->Run(0, nullptr);
        double elapsed = std::chrono::duration<double>(Clock::now() - t0).count();
        state.counters["idle_per_s"] = app.idlePasses / elapsed;
        state.counters["fps_first"] = a.frames / elapsed;
        state.counters["fps_second"] = b.frames / elapsed;
    }
}
BENCHMARK(BM_LoopTwoWindows)->Arg(400)->Arg(640)->Iterations(1)->Unit(benchmark::kSecond);
} // namespace

BENCHMARK_MAIN();
