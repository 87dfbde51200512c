#include "tests/game/GameFixture.h"

#include "framework/Main.h"
#include "scene/LandingDisk.h"
#include "scene/Sphere.h"
#include "terrain/BaseBox.h"
#include "terrain/Dome.h"

namespace {
using LanderAppBuilt = GameTest;

// The game, ended by itself after a few passes of the loop.
class ShortGame : public LanderApp {
  public:
    void OnInit() override { readyAtInit = camWindow.sceneReady && mainWindow.sceneReady; }
    void OnIdle() override {
        if (++passes == 20)
            PostQuitMessage(0);
    }
    bool readyAtInit = false;
    int passes = 0;
};
} // namespace

TEST_F(LanderAppBuilt, CamWindowIsFirstInTheListAndTheMainViewIsTheMainWindow) {
    GLAppHost* host = GLAppHost::Instance();
    EXPECT_EQ(host->m_pApp, app.get());
    ASSERT_EQ(host->Windows().size(), 2u);
    EXPECT_EQ(host->Windows()[0], Cam().extra);
    EXPECT_EQ(host->Windows()[1], View().extra);
    EXPECT_EQ(host->MainWindow(), View().extra);
}

TEST_F(LanderAppBuilt, WindowsHaveTheirTitlesSizesAndPositions) {
    EXPECT_EQ(View().extra->title, "Tavrilo : Vesk View - Pellimar");
    EXPECT_EQ(View().Width(), 670);
    EXPECT_EQ(View().Height(), 400);
    EXPECT_EQ(View().extra->x, 10);
    EXPECT_EQ(View().extra->y, 10);
    EXPECT_EQ(Cam().extra->title, "Tavrilo : Vesk Cam - Pellimar");
    EXPECT_EQ(Cam().Width(), 580);
    EXPECT_EQ(Cam().Height(), 300);
    EXPECT_EQ(Cam().extra->x, 600);
    EXPECT_EQ(Cam().extra->y, 380);
    EXPECT_EQ(View().DepthBits(), 24);
    EXPECT_EQ(Cam().DepthBits(), 24);
}

TEST_F(LanderAppBuilt, LanderStandsAtTheStartWithTheMoonsGravity) {
    ExpectNear(TheLander().position, Vec3(0, 730, 0), 0);
    EXPECT_EQ(TheLander().gravity, 1.6);
    EXPECT_FALSE(TheLander().running);
}

TEST_F(LanderAppBuilt, BothWindowsAreReadyAndShareOneScene) {
    for (SceneWindow* w : {static_cast<SceneWindow*>(&View()), static_cast<SceneWindow*>(&Cam())}) {
        EXPECT_TRUE(w->sceneReady);
        EXPECT_EQ(w->terrain, App().terrain);
        EXPECT_EQ(w->spheres[0], App().spheres[0]);
        EXPECT_EQ(w->spheres[1], App().spheres[1]);
        EXPECT_EQ(w->lights, App().lights);
        EXPECT_EQ(w->lander, App().lander);
        EXPECT_EQ(w->bigDome, App().bigDome);
        EXPECT_EQ(w->smallDome, App().smallDome);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(w->boxes[i], App().boxes[i]);
        EXPECT_EQ(w->landingDisk, App().landingDisk);
    }
    EXPECT_NE(&View().starSphere, &Cam().starSphere);
}

TEST_F(LanderAppBuilt, SpheresDiskAndDomesAreBuiltToTheirSizes) {
    EXPECT_EQ(App().spheres[0]->radius, 100.0f);
    EXPECT_EQ(App().spheres[0]->slices, 100);
    EXPECT_EQ(App().spheres[1]->radius, 400.0f);
    EXPECT_EQ(App().spheres[1]->slices, 400);
    EXPECT_EQ(App().spheres[1]->stacks, 400);
    EXPECT_EQ(App().spheres[1]->colour.r, 1.0f);
    EXPECT_NE(App().landingDisk->quadric, nullptr);
    EXPECT_EQ(App().landingDisk->radius, 70.0f);
    EXPECT_EQ(App().bigDome->radius, 210.0);
    EXPECT_EQ(App().smallDome->colour.a, 0.85f);
    EXPECT_EQ(App().boxes[1]->position, Vec3(-45, 22.5, 45));
}

TEST_F(LanderAppBuilt, LightsAreNumberedFromOneWithTheSpotInTheMiddle) {
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(App().lights[i].number, i + 1);
        EXPECT_FALSE(App().lights[i].enabled); // the windows switch them at creation
        EXPECT_EQ(App().lights[i].positional, i == 2 ? 1 : 0);
    }
    EXPECT_EQ(App().lights[1].diffuse.g, Rgba::FromBytes(254, 55, 40).g);
    EXPECT_EQ(App().lights[4].position, Vec3(0, -4200, 0));
}

TEST(LanderAppLifetime, DestructionEmptiesTheWindowListAndFreesTheApplicationSlot) {
    {
        LanderApp app;
        EXPECT_EQ(GLAppHost::Instance()->Windows().size(), 2u);
    }
    EXPECT_EQ(GLAppHost::Instance()->m_pApp, nullptr);
    EXPECT_TRUE(GLAppHost::Instance()->Windows().empty());
    LanderApp again; // a later game can be built once the first is gone
    EXPECT_EQ(GLAppHost::Instance()->m_pApp, &again);
}

TEST(LanderAppLifetime, RunCreatesBothWindowsDrawsAndReturnsZero) {
    auto game = std::make_unique<ShortGame>();
    EXPECT_EQ(GLAppHost::Instance()->Run(0, nullptr), 0);
    EXPECT_TRUE(game->readyAtInit);
    // Both creations ran: each window built its own star sphere in its own context.
    EXPECT_NE(game->camWindow.starSphere.quadric, nullptr);
    EXPECT_NE(game->mainWindow.starSphere.quadric, nullptr);
    EXPECT_EQ(game->camWindow.starSphere.texture, game->mainWindow.starSphere.texture);
    EXPECT_GT(game->mainWindow.spinAngle, 0.0);
    EXPECT_GT(game->camWindow.spinAngle, 0.0);
    ExpectNear(game->lander->position, Vec3(0, 730, 0), 0);
}
