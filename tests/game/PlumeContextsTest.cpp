#include "tests/game/GameFixture.h"

#include "framework/GLContextRecord.h"
#include "framework/Main.h"
#include "lander/PointProgramProbe.h"

namespace {
// What one window's context holds for the plume.
struct Seen {
    HGLRC context = nullptr;
    unsigned program = 0;        // the point program's name, 0 when none
    bool contextKnowsIt = false; // the name is a live program of that context
};

Seen Look(GLWindow& window) {
    Seen seen;
    if (!window.extra->MakeCurrent(true))
        return seen;
    seen.context = wglGetCurrentContext();
    seen.program = PointProgramName(PointProgramKind::ArbProgram);
    PROC exists = wglGetProcAddress("glIsProgramARB");
    if (!seen.program) {
        seen.program = PointProgramName(PointProgramKind::GlslShader);
        exists = wglGetProcAddress("glIsProgram");
    }
    if (seen.program && exists) {
        auto isProgram =
            reinterpret_cast<GLboolean(APIENTRY*)(GLuint)>(reinterpret_cast<void (*)()>(exists));
        seen.contextKnowsIt = isProgram(seen.program) == GL_TRUE;
    }
    window.extra->MakeCurrent(false);
    return seen;
}

// The game with the lander jumping again and again: after some frames with the plume it looks
// at both windows' contexts and has the camera window's context made anew, then looks again.
class PlumeGame : public LanderApp {
  public:
    void OnIdle() override {
        if (!lander->running)
            lander->Launch();
        ++passes;
        if (passes == 10) {
            viewBefore = Look(mainWindow);
            camBefore = Look(camWindow);
            contextsBefore = ContextRecordCount();
            camWindow.SetDepthBits(16); // a new pixel format takes a new window and context
        } else if (passes == 20) {
            viewAfter = Look(mainWindow);
            camAfter = Look(camWindow);
            contextsAfter = ContextRecordCount();
            PostQuitMessage(0);
        }
    }
    int passes = 0;
    Seen viewBefore, camBefore, viewAfter, camAfter;
    int contextsBefore = 0;
    int contextsAfter = 0;
};
} // namespace

TEST(PlumeContexts, BothWindowsDrawThePlumeThroughTheirOwnProgramsAndARemadeContextGetsANewOne) {
    auto game = std::make_unique<PlumeGame>();
    ASSERT_EQ(GLAppHost::Instance()->Run(0, nullptr), 0);
    ASSERT_EQ(game->passes, 20);
    EXPECT_GT(game->lander->engine.particles.count, 0);

    EXPECT_NE(game->viewBefore.program, 0u);
    EXPECT_TRUE(game->viewBefore.contextKnowsIt);
    EXPECT_NE(game->camBefore.program, 0u);
    EXPECT_TRUE(game->camBefore.contextKnowsIt);
    EXPECT_NE(game->viewBefore.context, game->camBefore.context);

    // The main view keeps its program; the camera window's new context made its own, and the
    // old context's record went with it.
    EXPECT_EQ(game->viewAfter.context, game->viewBefore.context);
    EXPECT_EQ(game->viewAfter.program, game->viewBefore.program);
    ASSERT_NE(game->camAfter.context, nullptr);
    EXPECT_NE(game->camAfter.context, game->camBefore.context);
    EXPECT_NE(game->camAfter.program, 0u);
    EXPECT_TRUE(game->camAfter.contextKnowsIt);
    EXPECT_EQ(game->contextsAfter, game->contextsBefore);
}
