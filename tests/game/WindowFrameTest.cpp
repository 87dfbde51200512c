#include "tests/game/GameFixture.h"

#include "scene/LandingDisk.h"
#include "scene/Sphere.h"
#include "tests/support/TestContext.h"

namespace {
// Runs a window's creation and frames in a context of the window's size, as the framework
// would once the platform window exists.
class WindowFrame : public GameTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ctx.Ok());
        // The angles and the lander are what these tests look at; cheap spheres keep the
        // hundreds of frames quick.
        for (Sphere* sphere : App().spheres)
            sphere->Create(sphere->radius, 8, 8, false);
    }
    GLint Integer(GLenum what) {
        GLint v[4] = {-1, -1, -1, -1};
        glGetIntegerv(what, v);
        return v[0];
    }
    TestContext ctx{64, 64};
};
} // namespace

TEST_F(WindowFrame, MainViewCreationSetsUpTheContext) {
    View().OnCreate();
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING)); // the first star sphere drawing switches it on
    EXPECT_EQ(Integer(GL_COLOR_MATERIAL_PARAMETER), GL_AMBIENT_AND_DIFFUSE);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 670);
    EXPECT_EQ(viewport[3], 400);
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[0], 1.0, 1e-12); // a square 90-degree frustum
    EXPECT_NEAR(projection[5], 1.0, 1e-12);
    GLfloat ambient[4];
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambient);
    EXPECT_EQ(ambient[0], 0.0f);
    EXPECT_EQ(ambient[3], 1.0f);
    EXPECT_NE(View().starSphere.quadric, nullptr);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(WindowFrame, MainViewCreationSwitchesTheColouredLightsAndTheSpotOn) {
    App().lights[3].On();
    View().OnCreate();
    EXPECT_TRUE(App().lights[0].enabled);
    EXPECT_TRUE(App().lights[1].enabled);
    EXPECT_TRUE(App().lights[2].enabled);
    EXPECT_FALSE(App().lights[3].enabled);
    EXPECT_FALSE(App().lights[4].enabled);
}

TEST_F(WindowFrame, CamWindowCreationLeavesTheWhiteLightsToTheMainView) {
    App().lights[3].On();
    Cam().OnCreate();
    EXPECT_TRUE(App().lights[0].enabled);
    EXPECT_TRUE(App().lights[2].enabled);
    EXPECT_TRUE(App().lights[3].enabled);
    EXPECT_FALSE(App().lights[4].enabled);
}

TEST_F(WindowFrame, BothWindowsGiveTheSharedDiskTheSameTextureName) {
    Cam().OnCreate();
    const GLuint camDisk = App().landingDisk->texture;
    TestContext other(64, 64);
    ASSERT_TRUE(other.Ok());
    View().OnCreate();
    EXPECT_EQ(App().landingDisk->texture, camDisk);
    EXPECT_NE(View().starSphere.texture, camDisk);
}

TEST_F(WindowFrame, MainViewEyeStartsBehindAndAboveTheLander) {
    View().PlaceCamera();
    ExpectNear(View().eye, Vec3(-300, 830, 0));
    ExpectNear(View().eyeOffset, Vec3(-1, 0, 0));
}

TEST_F(WindowFrame, MainViewEyeTurnsWithTheYawBehindTheJump) {
    Tap(View(), 'M', 30); // 90 degrees: the jump leans towards +z, the camera to -z
    View().PlaceCamera();
    ExpectNear(View().eye, Vec3(0, 830, -300), 0.2);
}

TEST_F(WindowFrame, MainViewEyeFollowsDistanceAndHeight) {
    Tap(View(), 'K', 2);
    Tap(View(), 'J');
    View().PlaceCamera();
    ExpectNear(View().eye, Vec3(-320, 840, 0));
}

TEST_F(WindowFrame, SpinAngleReaches360BeforeItWraps) {
    View().OnCreate();
    for (int i = 0; i < 720; ++i)
        View().OnDisplay();
    EXPECT_EQ(View().spinAngle, 360.0);
    View().OnDisplay();
    EXPECT_EQ(View().spinAngle, 0.5);
    EXPECT_NEAR(View().starAngle, 72.1, 1e-9);
    EXPECT_EQ(Cam().spinAngle, 0.0); // each window turns its own
}

TEST_F(WindowFrame, FramesBeforeTheSceneIsReadyOnlyClear) {
    MainViewWindow view;
    view.OnCreate();
    view.OnDisplay();
    EXPECT_EQ(view.spinAngle, 0.0);
    LanderCamWindow cam;
    cam.AttachScene(App().terrain, App().spheres, App().lights, App().lander, App().bigDome,
                    App().boxes, App().landingDisk, App().smallDome);
    cam.OnCreate();
    cam.OnDisplay();
    EXPECT_EQ(cam.spinAngle, 0.0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(WindowFrame, MainViewFrameAdvancesTheLanderOneStep) {
    View().OnCreate();
    View().OnDisplay();
    ExpectNear(TheLander().position, Vec3(0, 730, 0)); // standing: nothing moves
    Tap(View(), 'X');
    View().OnDisplay();
    ExpectNear(TheLander().position, Vec3(0, 734.68, 0), 1e-6);
    ExpectNear(TheLander().velocity, Vec3(0, 4.68, 0), 1e-6);
}

TEST_F(WindowFrame, CamWindowFrameDrawsButNeverMovesTheLander) {
    Cam().OnCreate();
    Tap(Cam(), 'X');
    for (int i = 0; i < 3; ++i)
        Cam().OnDisplay();
    ExpectNear(TheLander().position, Vec3(0, 730, 0));
    EXPECT_TRUE(TheLander().ignitionPending);
    EXPECT_EQ(Cam().spinAngle, 1.5);
}

TEST_F(WindowFrame, FrameLeavesLightingOnAndBlendingOffWithTheSpotOnTheCamera) {
    View().OnCreate();
    View().OnDisplay();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT3));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT4));
    EXPECT_EQ(Integer(GL_MODELVIEW_STACK_DEPTH), 1);
    GLfloat cutoff = 0;
    glGetLightfv(GL_LIGHT3, GL_SPOT_CUTOFF, &cutoff);
    EXPECT_EQ(cutoff, 90.0f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(WindowFrame, MainViewDrawsSomethingOnTheScreen) {
    View().OnCreate();
    View().OnDisplay();
    std::vector<unsigned char> pixels(64 * 64 * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, 64, 64, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    int lit = 0;
    for (size_t i = 0; i < pixels.size(); i += 4)
        lit += pixels[i] + pixels[i + 1] + pixels[i + 2] > 0;
    EXPECT_GT(lit, 64 * 64 / 2);
}
