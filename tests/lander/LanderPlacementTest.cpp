#include "LanderTesting.h"

#include <cmath>

TEST(LanderPlacement, StandsTenUnitsAboveTheMoon) {
    auto lander = GameLander();
    EXPECT_EQ(lander->FootCentre(), Vec3(0, 710, 0));
    EXPECT_EQ(lander->cameraPoint, Vec3(0, 797.5, 0));
    EXPECT_EQ(lander->Normal(BoxFace::Top), Vec3(0, 1, 0));
    EXPECT_EQ(lander->Normal(BoxFace::Bottom), Vec3(0, -1, 0));
    EXPECT_EQ(lander->Normal(BoxFace::MinusX), Vec3(-1, 0, 0));
    EXPECT_EQ(lander->Normal(BoxFace::PlusZ), Vec3(0, 0, 1));
    EXPECT_EQ(lander->Normal(BoxFace::PlusX), Vec3(1, 0, 0));
    EXPECT_EQ(lander->Normal(BoxFace::MinusZ), Vec3(0, 0, -1));
    EXPECT_EQ(lander->velocity, Vec3(0, 5, 0));
    EXPECT_EQ(lander->mass, 1.0);
    EXPECT_FALSE(lander->running);
    EXPECT_TRUE(lander->ignitionPending);
}

TEST(LanderPlacement, KeepsTheNormalsInTheOrderTheFacesAreDrawn) {
    // Top, -x, +z, +x, -z, bottom, as every box keeps them.
    auto lander = GameLander();
    EXPECT_EQ(lander->normals[0], Vec3(0, 1, 0));
    EXPECT_EQ(lander->normals[1], Vec3(-1, 0, 0));
    EXPECT_EQ(lander->normals[2], Vec3(0, 0, 1));
    EXPECT_EQ(lander->normals[3], Vec3(1, 0, 0));
    EXPECT_EQ(lander->normals[4], Vec3(0, 0, -1));
    EXPECT_EQ(lander->normals[5], Vec3(0, -1, 0));
}

TEST(LanderPlacement, BuildsBodyAndLegsFromTheCentre) {
    auto lander = GameLander();
    EXPECT_EQ(lander->body[0], Vec3(-10, 732.5, -10));
    EXPECT_EQ(lander->body[2], Vec3(10, 732.5, 10));
    EXPECT_EQ(lander->body[5], Vec3(10, 727.5, -10));
    EXPECT_EQ(lander->body[7], Vec3(-10, 727.5, 10));
    // Middle +x leg: attachment, knee, foot.
    EXPECT_EQ(lander->legs[0], Vec3(10, 730, 0));
    EXPECT_EQ(lander->legs[1], Vec3(15, 730, 0));
    EXPECT_EQ(lander->legs[2], Vec3(15, 710, 0));
    // Side legs stand 0.33 of the depth away, not a third.
    EXPECT_EQ(lander->legs[5], Vec3(15, 710, 0 - 0.33 * 20));
    EXPECT_EQ(lander->legs[8], Vec3(15, 710, 0 + 0.33 * 20));
    EXPECT_EQ(lander->legs[14], Vec3(-15, 710, -6.6000000000000005));
    EXPECT_EQ(lander->legs[17], Vec3(-15, 710, 0 + 0.33 * 20));
}

TEST(LanderPlacement, StacksMastHeadAndEngine) {
    auto lander = GameLander();
    EXPECT_EQ(lander->mast->BaseCentre(), Vec3(0, 732.5, 0));
    EXPECT_EQ(lander->head->BaseCentre(), Vec3(0, 772.5, 0));
    EXPECT_EQ(lander->mast->swivelAxis, Vec3(0, 1, 0));
    EXPECT_EQ(lander->head->swivelAxis, Vec3(0, 1, 0));
    EXPECT_EQ(lander->head->colour.b, 0.7f);
    EXPECT_EQ(lander->engine.nozzle, Vec3(0, 727.5, 0));
    EXPECT_EQ(lander->engine.thrust, Vec3(0, -5, 0));
    EXPECT_EQ(lander->engine.particles.count, 0);
}

TEST(LanderPlacement, ResetKeepsTheAimButClearsGravity) {
    auto lander = GameLander();
    lander->engine.AdjustPitch(30);
    lander->engine.AdjustPower(2);
    lander->Launch();
    lander->Place(0, 730, 0);
    EXPECT_EQ(lander->gravity, 0.0);
    EXPECT_FALSE(lander->running);
    EXPECT_EQ(lander->engine.pitch, 30);
    EXPECT_NEAR(lander->velocity.Length(), 7.0, 1e-12);
    EXPECT_GT(lander->velocity.x, 0.0);
}

TEST(LanderPlacement, UnplacedLanderSurvivesAStep) {
    auto lander = std::make_unique<Lander>(20, 5, 20, 20, 5);
    lander->Update(kLanderStep);
    lander->Launch();
    lander->Update(kLanderStep);
    // Everything sits at the origin, inside the moon: the step is taken as a touchdown.
    EXPECT_FALSE(lander->running);
    EXPECT_EQ(lander->position, Vec3());
    EXPECT_TRUE(std::isfinite(lander->velocity.x));
}
