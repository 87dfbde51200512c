#include "LanderTesting.h"
#include "scene/Random.h"
#include "tests/scene/Feedback.h"
#include "tests/support/TestContext.h"

namespace {
void ExpectQuad(const FedPrimitive& fed, const Vec3* corners, std::initializer_list<int> order) {
    ASSERT_EQ(fed.kind, FedPrimitive::Polygon);
    ASSERT_EQ(fed.vertices.size(), order.size());
    int v = 0;
    for (int c : order)
        ExpectFedAt(fed.vertices[v++], corners[c]);
}
} // namespace

TEST(LanderDraw, ThrustLineRunsFromTheNozzleAlongTheThrust) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto lander = GameLander();
    auto fed = CaptureFeedback([&] { lander->Draw(); });
    ASSERT_FALSE(fed.empty());
    ASSERT_EQ(fed[0].kind, FedPrimitive::Line);
    ExpectFedAt(fed[0].vertices[0], Vec3(0, 727.5, 0));
    ExpectFedAt(fed[0].vertices[1], Vec3(0, 722.5, 0));

    lander->engine.AdjustPitch(30);
    lander->engine.AdjustPower(5);
    fed = CaptureFeedback([&] { lander->engine.DrawThrustLine(); });
    ASSERT_EQ(fed.size(), 1u);
    ExpectFedAt(fed[0].vertices[1], lander->engine.nozzle + lander->engine.thrust);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[0] + colour[1] + colour[2], 3.0f);
}

TEST(LanderDraw, UnlaunchedLanderDrawsEverythingButParticles) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto lander = GameLander();
    auto fed = JoinQuads(CaptureFeedback([&] { lander->Draw(); }));
    EXPECT_EQ(CountKind(fed, FedPrimitive::Point), 0u);
    // Thrust line, six quads each for mast, head and body, then six legs of two segments.
    ASSERT_EQ(fed.size(), 1u + 18u + 12u);
    EXPECT_EQ(CountKind(fed, FedPrimitive::Polygon), 18u);

    ExpectQuad(fed[1], lander->mast->corners, {4, 5, 6, 7});
    ExpectQuad(fed[7], lander->head->corners, {4, 5, 6, 7});
    const Vec3* body = lander->body;
    ExpectQuad(fed[13], body, {0, 1, 2, 3});
    ExpectQuad(fed[14], body, {0, 4, 7, 1});
    ExpectQuad(fed[15], body, {1, 7, 6, 2});
    ExpectQuad(fed[16], body, {2, 6, 5, 3});
    ExpectQuad(fed[17], body, {3, 5, 4, 0});
    ExpectQuad(fed[18], body, {4, 5, 6, 7});
    for (int k = 0; k < 6; ++k) {
        const FedPrimitive& upper = fed[19 + 2 * k];
        const FedPrimitive& lower = fed[20 + 2 * k];
        ASSERT_EQ(upper.kind, FedPrimitive::Line);
        ExpectFedAt(upper.vertices[0], lander->legs[3 * k]);
        ExpectFedAt(upper.vertices[1], lander->legs[3 * k + 1]);
        ExpectFedAt(lower.vertices[1], lander->legs[3 * k + 2]);
    }
    // The legs keep the bottom face's normal and the body's white.
    GLfloat normal[3], colour[4];
    glGetFloatv(GL_CURRENT_NORMAL, normal);
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(normal[1], -1.0f);
    EXPECT_EQ(colour[0] + colour[1] + colour[2] + colour[3], 4.0f);
}

TEST(LanderDraw, RestoresLightingBlendingAndPointSize) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto lander = GameLander();
    lander->Launch();
    lander->Update(kLanderStep);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glPointSize(3.0f);
    GLint depthBefore = 0, depthAfter = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
    lander->Draw();
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 1.0f);
    EXPECT_EQ(depthAfter, depthBefore);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(LanderDraw, FlyingLanderDrawsItsLiveParticles) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto lander = GameLander();
    SeedRandom(4);
    lander->Launch();
    lander->Update(kLanderStep);
    lander->Update(kLanderStep);
    const ParticleSystem& plume = lander->engine.particles;
    std::size_t live = 0;
    for (int i = 0; i < plume.count; ++i)
        live += plume.slots[i].life > 0.0;
    ASSERT_GT(live, 0u);
    ASSERT_LT(live, 625u);
    auto fed = CaptureFeedback([&] { lander->Draw(); });
    EXPECT_EQ(CountKind(fed, FedPrimitive::Point), live);
}
