#include "scene/Light.h"

#include "tests/support/TestContext.h"

#include <gtest/gtest.h>

namespace {
struct Four {
    GLfloat v[4] = {-7, -7, -7, -7};
};

Four LightVector(GLenum light, GLenum what) {
    Four f;
    glGetLightfv(light, what, f.v);
    return f;
}

GLfloat LightValue(GLenum light, GLenum what) {
    GLfloat v = -7;
    glGetLightfv(light, what, &v);
    return v;
}

void ExpectFour(const Four& f, float a, float b, float c, float d, float tolerance = 1e-6f) {
    EXPECT_NEAR(f.v[0], a, tolerance);
    EXPECT_NEAR(f.v[1], b, tolerance);
    EXPECT_NEAR(f.v[2], c, tolerance);
    EXPECT_NEAR(f.v[3], d, tolerance);
}

// The blue sphere's coloured light, as the game sets it up.
Light BlueLight() {
    Light light;
    light.Setup(1, Rgba::OpaqueBlack(), Rgba::FromBytes(127, 87, 255), Vec3(0, 2800, 0), 0);
    return light;
}

Light SpotLight() {
    Light light;
    light.Setup(3, Rgba::OpaqueBlack(), Rgba::OpaqueWhite(), Vec3(0, 0, 0), 1);
    return light;
}

class LightInContext : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ctx.Ok());
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    void TearDown() override { EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); }
    TestContext ctx;
};
} // namespace

TEST(LightSettings, SetupKeepsIntensitySwitchAndSpot) {
    Light light;
    light.SetIntensity(0.7);
    light.On();
    light.SetSpot(Vec3(0, -1, 0), 45, 3);
    light.Setup(2, Rgba::OpaqueBlack(), Rgba::OpaqueWhite(), Vec3(1, 2, 3), 1);
    EXPECT_EQ(light.number, 2);
    EXPECT_EQ(light.position, Vec3(1, 2, 3));
    EXPECT_EQ(light.positional, 1);
    EXPECT_EQ(light.intensity, 0.7);
    EXPECT_TRUE(light.enabled);
    EXPECT_EQ(light.spotCutoff, 45);
    EXPECT_EQ(light.spotExponent, 3);
}

TEST_F(LightInContext, ColoursAreScaledByIntensityWithAlphaOne) {
    Light light = BlueLight();
    light.SetIntensity(0.4);
    light.ApplyColours();
    ExpectFour(LightVector(GL_LIGHT1, GL_DIFFUSE), 0.1992157f, 0.1364706f, 0.4f, 1.0f);
    ExpectFour(LightVector(GL_LIGHT1, GL_AMBIENT), 0, 0, 0, 1);
}

TEST_F(LightInContext, ColoursWithTransparentSettingsAreSentOpaque) {
    Light light;
    light.Setup(2, Rgba(0.2f, 0.2f, 0.2f, 0.0f), Rgba(1, 0.5f, 0.25f, 0.3f), Vec3(), 0);
    light.SetIntensity(2.0);
    light.ApplyColours();
    ExpectFour(LightVector(GL_LIGHT2, GL_DIFFUSE), 2.0f, 1.0f, 0.5f, 1.0f);
    ExpectFour(LightVector(GL_LIGHT2, GL_AMBIENT), 0.4f, 0.4f, 0.4f, 1.0f);
}

TEST_F(LightInContext, IntensityTakesEffectOnlyAtTheNextApplyColours) {
    Light light = BlueLight();
    light.ApplyColours();
    light.SetIntensity(0.1);
    ExpectFour(LightVector(GL_LIGHT1, GL_DIFFUSE), 0.4980392f, 0.3411765f, 1.0f, 1.0f);
}

TEST_F(LightInContext, DirectionalLightSendsItsDirectionButNoSpot) {
    Light light = BlueLight();
    light.SetSpot(Vec3(1, 0, 0), 30, 7); // must not be sent for a directional light
    light.On();
    light.Apply();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    ExpectFour(LightVector(GL_LIGHT1, GL_POSITION), 0, 2800, 0, 0);
    EXPECT_EQ(LightValue(GL_LIGHT1, GL_SPOT_CUTOFF), 180.0f);
    EXPECT_EQ(LightValue(GL_LIGHT1, GL_SPOT_EXPONENT), 0.0f);
}

TEST_F(LightInContext, PositionTurnsWithTheModelviewMatrix) {
    Light light = BlueLight();
    light.On();
    glRotated(90, 0, 0, 1);
    light.Apply();
    ExpectFour(LightVector(GL_LIGHT1, GL_POSITION), -2800, 0, 0, 0, 1e-3f);
}

TEST_F(LightInContext, SpotLightSendsPositionDirectionCutoffAndExponent) {
    Light light = SpotLight();
    light.SetPosition(Vec3(0, 797.5, 0));
    light.SetSpot(Vec3(0, 1, 0), 90, 10);
    light.On();
    light.Apply();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT3));
    ExpectFour(LightVector(GL_LIGHT3, GL_POSITION), 0, 797.5f, 0, 1);
    Four direction = LightVector(GL_LIGHT3, GL_SPOT_DIRECTION);
    EXPECT_EQ(direction.v[0], 0.0f);
    EXPECT_EQ(direction.v[1], 1.0f);
    EXPECT_EQ(direction.v[2], 0.0f);
    EXPECT_EQ(LightValue(GL_LIGHT3, GL_SPOT_CUTOFF), 90.0f);
    EXPECT_EQ(LightValue(GL_LIGHT3, GL_SPOT_EXPONENT), 10.0f);
}

TEST_F(LightInContext, SwitchedOffLightIsDisabledAndSendsNoPosition) {
    Light light = BlueLight();
    light.On();
    light.Apply();
    light.SetPosition(Vec3(0, -4200, 0));
    light.Off();
    light.Apply();
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
    ExpectFour(LightVector(GL_LIGHT1, GL_POSITION), 0, 2800, 0, 0);
}

TEST_F(LightInContext, OnAndOffAloneSendNothing) {
    Light light = BlueLight();
    light.On();
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
    light.Apply();
    light.Off();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
}

TEST_F(LightInContext, LightWithoutANumberTouchesNoOpenGLLight) {
    Light light; // never set up: number -1
    light.diffuse = Rgba(0.5f, 0.5f, 0.5f, 1);
    light.On();
    light.ApplyColours();
    light.Apply();
    light.number = 8;
    light.ApplyColours();
    light.Apply();
    ExpectFour(LightVector(GL_LIGHT0, GL_DIFFUSE), 1, 1, 1, 1);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
