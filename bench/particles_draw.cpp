// Drawing the exhaust plume at full count, in a real OpenGL context (run it under Xvfb).
#include "lander/ParticleSystem.h"
#include "platform/Win32.h"
#include "scene/Random.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
LRESULT CALLBACK BenchWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(w, m, wp, lp);
}

// A window the size of the main view with a current context, set up as the main view draws.
class DrawingWindow {
  public:
    DrawingWindow() {
        WNDCLASSA wc;
        std::memset(&wc, 0, sizeof wc);
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = BenchWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "MoonhopBenchWnd";
        RegisterClassA(&wc);
        window = CreateWindowExA(0, "MoonhopBenchWnd", "bench", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (!window)
            return;
        dc = GetDC(window);
        PIXELFORMATDESCRIPTOR pfd;
        std::memset(&pfd, 0, sizeof pfd);
        pfd.nSize = sizeof pfd;
        pfd.nVersion = 1;
        pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        pfd.iPixelType = PFD_TYPE_RGBA;
        pfd.cColorBits = 24;
        pfd.cDepthBits = 24;
        int format = ChoosePixelFormat(dc, &pfd);
        if (format == 0 || !SetPixelFormat(dc, format, &pfd))
            return;
        context = wglCreateContext(dc);
        if (!context || !wglMakeCurrent(dc, context))
            return;
        glViewport(0, 0, 640, 480);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 640.0 / 480.0, 1.0, 5000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0, 760, 120, 0, 710, 0, 0, 1, 0);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        ok = true;
    }
    ~DrawingWindow() {
        if (context) {
            wglMakeCurrent(nullptr, nullptr);
            wglDeleteContext(context);
        }
        if (window)
            DestroyWindow(window);
    }
    bool Ok() const { return ok; }

  private:
    HWND window = nullptr;
    HDC dc = nullptr;
    HGLRC context = nullptr;
    bool ok = false;
};

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
void BM_ParticlesDrawAllLive(benchmark::State& state) {
    DrawingWindow window;
    if (!window.Ok()) {
        state.SkipWithError("no OpenGL context (run under Xvfb)");
        return;
    }
    auto plume = FullPlume();
    for (auto _ : state) {
        plume->Draw();
        glFinish();
    }
    state.counters["points"] = ParticleSystem::kCapacity;
}
BENCHMARK(BM_ParticlesDrawAllLive)->Unit(benchmark::kMillisecond);

// The plume as it is in flight: stepped between draws (not timed), so dead records are reborn.
void BM_ParticlesDrawSteadyPlume(benchmark::State& state) {
    DrawingWindow window;
    if (!window.Ok()) {
        state.SkipWithError("no OpenGL context (run under Xvfb)");
        return;
    }
    auto plume = FullPlume();
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
}
BENCHMARK(BM_ParticlesDrawSteadyPlume)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
