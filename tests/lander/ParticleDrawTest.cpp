#include "lander/ParticleSystem.h"
#include "scene/Random.h"
#include "tests/scene/Feedback.h"
#include "tests/support/TestContext.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
std::unique_ptr<ParticleSystem> LivePlume(int count) {
    auto plume = std::make_unique<ParticleSystem>();
    plume->SetEmitterPosition(Vec3(0, 727.5, 0));
    plume->SetBaseDirection(Vec3(0, -1, 0));
    plume->SetSpreadAxis(Vec3(0, 0, -1));
    SeedRandom(21);
    plume->Restart(Vec3(0, 727.5, 0));
    plume->SetCount(count);
    plume->SetActive(true);
    return plume;
}
} // namespace

TEST(ParticleDraw, EmptyPoolTouchesNoRecord) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto plume = std::make_unique<ParticleSystem>();
    plume->slots[0].life = -1.0; // dead, and would be reborn if touched
    plume->slots[0].alive = true;
    SeedRandom(6);
    auto fed = CaptureFeedback([&] { plume->Draw(); });
    EXPECT_TRUE(fed.empty());
    EXPECT_EQ(plume->slots[0].life, -1.0);
    SeedRandom(6);
    int expected = NextRandom();
    SeedRandom(6);
    plume->Update();
    EXPECT_EQ(NextRandom(), expected);
    // The state is still restored.
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST(ParticleDraw, DrawsLiveRecordsAtTheirPositions) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto plume = LivePlume(3);
    plume->slots[0].position = Vec3(10, 20, 0);
    plume->slots[1].position = Vec3(-30, 40, 0);
    plume->slots[2].position = Vec3(50, -60, 0);
    auto fed = CaptureFeedback([&] { plume->Draw(); });
    ASSERT_EQ(fed.size(), 3u);
    EXPECT_NEAR(fed[1].vertices[0].x, -30, 1e-3);
    EXPECT_NEAR(fed[2].vertices[0].y, -60, 1e-3);
}

TEST(ParticleDraw, LifeExactlyZeroIsRebornNotDrawnWhileEmitting) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto plume = LivePlume(2);
    plume->slots[1].life = 0.0;
    plume->slots[1].position = Vec3(99, 99, 99);
    auto fed = CaptureFeedback([&] { plume->Draw(); });
    EXPECT_EQ(CountKind(fed, FedPrimitive::Point), 1u);
    EXPECT_GT(plume->slots[1].life, 0.0);
    EXPECT_EQ(plume->slots[1].position, Vec3(0, 727.5, 0));
}

TEST(ParticleDraw, DeadRecordsStayDeadOnceEmissionStops) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto plume = LivePlume(2);
    plume->slots[1].life = 0.0;
    plume->SetEmitting(false);
    Vec3 velocity = plume->slots[1].velocity;
    auto fed = CaptureFeedback([&] { plume->Draw(); });
    EXPECT_EQ(CountKind(fed, FedPrimitive::Point), 1u);
    EXPECT_EQ(plume->slots[1].life, 0.0);
    EXPECT_EQ(plume->slots[1].velocity, velocity);
}

TEST(ParticleDraw, SecondWindowDrawsWhatTheFirstReborn) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto plume = LivePlume(15000);
    for (int step = 0; step < 3; ++step)
        plume->Update();
    std::size_t live = 0;
    for (const Particle& p : plume->slots)
        live += p.life > 0.0;
    ASSERT_LT(live, 15000u);
    auto first = CaptureFeedback([&] { plume->Draw(); });
    auto second = CaptureFeedback([&] { plume->Draw(); });
    EXPECT_EQ(CountKind(first, FedPrimitive::Point), live);
    EXPECT_EQ(CountKind(second, FedPrimitive::Point), 15000u);
}
