#include "LanderTesting.h"

#include <cmath>

namespace {
// An engine aimed as at the lander's start: down is -y, the pitch axis is -z.
std::unique_ptr<Engine> StartingEngine() {
    auto engine = std::make_unique<Engine>();
    engine->SetNozzle(Vec3(0, 727.5, 0));
    engine->SetBaseDirection(Vec3(0, -1, 0));
    engine->SetPitchAxis(Vec3(0, 0, -1));
    return engine;
}
} // namespace

TEST(EngineLimits, PitchStaysStrictlyInsideNinetyDegrees) {
    auto engine = StartingEngine();
    for (int i = 0; i < 29; ++i)
        engine->AdjustPitch(3);
    EXPECT_EQ(engine->pitch, 87);
    Vec3 thrust = engine->thrust;
    engine->AdjustPitch(3);
    EXPECT_EQ(engine->pitch, 87);
    EXPECT_EQ(engine->thrust, thrust);
    for (int i = 0; i < 58; ++i)
        engine->AdjustPitch(-3);
    EXPECT_EQ(engine->pitch, -87);
    engine->AdjustPitch(-3);
    EXPECT_EQ(engine->pitch, -87);
    engine->AdjustPitch(NAN);
    EXPECT_EQ(engine->pitch, -87);
}

TEST(EngineLimits, PowerStaysStrictlyBetweenZeroAnd1500) {
    auto engine = StartingEngine();
    engine->power = 1;
    engine->AdjustPower(-1);
    EXPECT_EQ(engine->power, 1);
    engine->power = 1499;
    engine->AdjustPower(1);
    EXPECT_EQ(engine->power, 1499);
    engine->AdjustPower(-1);
    EXPECT_EQ(engine->power, 1498);
    ExpectNear(engine->thrust, Vec3(0, -1498, 0), 1e-9);
    engine->AdjustPower(NAN);
    EXPECT_EQ(engine->power, 1498);
}

TEST(EngineLimits, YawWrapsDownwardOnly) {
    auto engine = StartingEngine();
    engine->yaw = 359;
    engine->AdjustYaw(3);
    EXPECT_EQ(engine->yaw, 2);
    engine->yaw = 0;
    engine->AdjustYaw(-3);
    EXPECT_EQ(engine->yaw, -3);
    engine->AdjustYaw(-3);
    EXPECT_EQ(engine->yaw, -6);
    engine->yaw = 360;
    engine->AdjustYaw(0);
    EXPECT_EQ(engine->yaw, 360);
}

TEST(EngineThrust, YawDoesNothingWithoutPitch) {
    auto engine = StartingEngine();
    EXPECT_EQ(engine->power, 5.0);
    for (int i = 0; i < 40; ++i) {
        engine->AdjustYaw(3 * i);
        ExpectNear(engine->thrust, Vec3(0, -5, 0), 1e-14);
    }
}

TEST(EngineThrust, PitchLeansTowardsPlusXAndYawTurnsTowardsPlusZ) {
    auto engine = StartingEngine();
    engine->AdjustPitch(30);
    engine->AdjustYaw(60);
    const double toRadians = 3.142 / 180;
    double p = 30 * toRadians, y = 60 * toRadians;
    Vec3 launch = -engine->thrust;
    ExpectNear(launch, Vec3(std::sin(p) * std::cos(y), std::cos(p), std::sin(p) * std::sin(y)) * 5,
               1e-12);
}

TEST(EngineAim, SettersFeedThePlume) {
    auto engine = StartingEngine();
    EXPECT_EQ(engine->nozzle, Vec3(0, 727.5, 0));
    EXPECT_EQ(engine->particles.emitterPosition, Vec3(0, 727.5, 0));
    EXPECT_EQ(engine->particles.baseDirection, Vec3(0, -1, 0));
    EXPECT_EQ(engine->particles.spreadAxis, Vec3(0, 0, -1));
}
