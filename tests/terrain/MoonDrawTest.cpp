#include "platform/Win32.h"
#include "terrain/ColourRamp.h"
#include "terrain/Terrain.h"
#include "tests/scene/Feedback.h"
#include "tests/support/TestContext.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
class MoonDraw : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(context.Ok());
        glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        LookAtCube(800);
    }
    TestContext context;
};
} // namespace

TEST_F(MoonDraw, TheMoonDrawsEveryLeafInItsBaseColour) {
    Terrain moon(700);
    glColor4f(0, 0, 0, 0.5f);
    std::vector<FedPrimitive> fed = Feedback([&] { moon.Draw(); });
    EXPECT_EQ(CountKind(fed, FedPrimitive::Polygon), 2048u);
    ASSERT_FALSE(fed.empty());
    EXPECT_EQ(fed[0].vertices[0].r, moon.colour.r);
    EXPECT_EQ(fed[0].vertices[0].b, moon.colour.b);
    EXPECT_EQ(fed[0].vertices[0].a, 1.0f);

    moon.UpdateDetail(Vec3(0, 730, 0));
    moon.SetDrawMode(Wire);
    fed = Feedback([&] { moon.Draw(); });
    EXPECT_EQ(fed.size(), 3u * 3461u);
}

TEST_F(MoonDraw, TheMoonInHeightColoursTakesEveryCornerFromItsRamp) {
    Terrain moon(700);
    moon.SetDrawMode(HeightColoured);
    std::vector<FedPrimitive> fed = Feedback([&] { moon.Draw(); });
    ASSERT_EQ(fed.size(), 2048u);
    Rgba expected = moon.heightColours->Lookup(700.0);
    // The first leaf of F1 is drawn from the seed corner +Z, exactly on the radius.
    const FedVertex& last = fed[0].vertices[2];
    EXPECT_NEAR(last.r, expected.r, 1e-6);
    EXPECT_NEAR(last.g, expected.g, 1e-6);
    EXPECT_NEAR(last.b, expected.b, 1e-6);
}
