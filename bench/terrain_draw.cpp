// Drawing the moon, refined around the lander's start, in each style, in a real OpenGL
// context (run it under Xvfb).
#include "platform/Win32.h"
#include "terrain/Dome.h"
#include "terrain/Terrain.h"
#include "tests/support/TestContext.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {
// A window the size of the main view with a current context, set up as the main view draws.
class DrawingWindow {
  public:
    DrawingWindow() {
        if (!context.Ok())
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
    }
    bool Ok() const { return context.Ok(); }

  private:
    TestContext context{640, 480};
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
