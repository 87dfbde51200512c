// Drawing the moon, refined around the lander's start, in each style, in a real OpenGL
// context (run it under Xvfb).
#include "platform/Win32.h"
#include "terrain/Dome.h"
#include "terrain/Terrain.h"

#include "bench/ViewWindow.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {
// The main view's window, with the moon's lighting switched on.
class DrawingWindow : public ViewWindow {
  public:
    DrawingWindow() : ViewWindow(900, 400, 730) {
        if (!Ok())
            return;
        glEnable(GL_CULL_FACE);
        glEnable(GL_LIGHT0);
        glEnable(GL_COLOR_MATERIAL);
    }
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
