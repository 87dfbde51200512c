// Drawing the moon, refined around the lander's start, in each style, in a real OpenGL
// context (run it under Xvfb).
#include "platform/Win32.h"
#include "terrain/Dome.h"
#include "terrain/Terrain.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {
LRESULT CALLBACK BenchWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(w, m, wp, lp);
}

// A main-view sized window with a current context, looking at the lander's start from behind
// and above, lit and depth tested as the views draw.
class DrawingWindow {
  public:
    DrawingWindow() {
        WNDCLASSA wc;
        std::memset(&wc, 0, sizeof wc);
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = BenchWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "MoonhopTerrainBenchWnd";
        RegisterClassA(&wc);
        window = CreateWindowExA(0, wc.lpszClassName, "bench", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
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
        gluLookAt(0, 900, 400, 0, 730, 0, 0, 1, 0);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_COLOR_MATERIAL);
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
} // namespace

// Arg: the drawing style, Wire to HeightColoured.
static void BM_TerrainDraw(benchmark::State& state) {
    DrawingWindow window;
    if (!window.Ok()) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    Terrain moon(700);
    moon.UpdateDetail(Vec3(0, 730, 0));
    moon.SetDrawMode(static_cast<int>(state.range(0)));
    moon.Draw(); // vertex normals are computed on the first draw
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        moon.Draw();
        glFinish();
    }
}
BENCHMARK(BM_TerrainDraw)->DenseRange(Wire, HeightColoured)->Unit(benchmark::kMillisecond);

static void BM_DomeDraw(benchmark::State& state) {
    DrawingWindow window;
    if (!window.Ok()) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    Dome dome(210, Rgba(0.4f, 0.5215686559677124f, 0.9176470637321472f, 0.4f));
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glPushMatrix();
    glRotated(25, 0, 0, 1);
    glTranslated(0, 630, 0);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        dome.Draw();
        glFinish();
    }
    glPopMatrix();
    glDisable(GL_BLEND);
}
BENCHMARK(BM_DomeDraw)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
