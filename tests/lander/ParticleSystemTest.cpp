#include "lander/ParticleSystem.h"
#include "scene/Random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

namespace {
// A second copy of the generator's recurrence, to predict the draws independently.
struct Reference {
    std::uint32_t state;
    int Next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
};

std::unique_ptr<ParticleSystem> Plume() {
    auto plume = std::make_unique<ParticleSystem>();
    plume->SetEmitterPosition(Vec3(0, 727.5, 0));
    plume->SetBaseDirection(Vec3(0, -1, 0));
    plume->SetSpreadAxis(Vec3(0, 0, -1));
    return plume;
}

bool SameRecord(const Particle& a, const Particle& b) {
    return a.position == b.position && a.velocity == b.velocity && a.life == b.life &&
           a.fade == b.fade && a.mass == b.mass && a.alive == b.alive &&
           std::memcmp(&a.colour, &b.colour, sizeof(Rgba)) == 0;
}
} // namespace

TEST(ParticleSystemPool, StartsIdleWithDustColour) {
    auto plume = std::make_unique<ParticleSystem>();
    EXPECT_TRUE(plume->emitting);
    EXPECT_FALSE(plume->active);
    EXPECT_EQ(plume->count, 0);
    Rgba dust = Rgba::FromBytes(109, 87, 65);
    EXPECT_EQ(plume->colour.r, dust.r);
    EXPECT_NEAR(plume->colour.g, 0.341, 1e-3);
    EXPECT_EQ(plume->colour.a, 1.0f);
    const Particle& p = plume->slots[14999];
    EXPECT_FALSE(p.alive);
    EXPECT_EQ(p.life, 0.0);
    EXPECT_EQ(p.mass, 1.0);
    EXPECT_EQ(sizeof(Particle), 96u);
}

TEST(ParticleSystemPool, CountIsCappedAtTheCapacity) {
    auto plume = std::make_unique<ParticleSystem>();
    plume->SetCount(15000);
    EXPECT_EQ(plume->count, 15000);
    plume->SetCount(20000);
    EXPECT_EQ(plume->count, 15000);
    plume->SetCount(625);
    EXPECT_EQ(plume->count, 625);
    plume->SetCount(-4);
    EXPECT_EQ(plume->count, 0);
}

// From seed 1 the generator's first eight draws are 41, 18467, 6334, 26500, 19169, 15724,
// 11478 and 29358.
TEST(ParticleSystemSpawn, DrawsFourNumbersInTheGivenOrder) {
    auto plume = Plume();
    SeedRandom(1);
    plume->Spawn(7);

    const Particle& p = plume->slots[7];
    EXPECT_EQ(p.life, 2.1);          // 41 % 3 = 2
    EXPECT_DOUBLE_EQ(p.fade, 0.945); // 18467 % 10 = 7, times 0.125, plus 0.07
    // Tilted 6334 % 50 = 34 degrees off the base direction, then turned 26500 % 359 = 293
    // degrees about it: (-sin 34 cos 293, -cos 34, -sin 34 sin 293), pi taken as 3.142.
    EXPECT_NEAR(p.velocity.x, -0.2188602969310695, 1e-12);
    EXPECT_NEAR(p.velocity.y, -0.8289945440035671, 1e-12);
    EXPECT_NEAR(p.velocity.z, 0.5146534916228218, 1e-12);
    EXPECT_EQ(p.position, Vec3(0, 727.5, 0));
    EXPECT_TRUE(p.alive);
    EXPECT_EQ(p.colour.b, plume->colour.b);
    // Exactly four draws were taken.
    EXPECT_EQ(NextRandom(), 19169);
}

TEST(ParticleSystemSpawn, EmitsUnitVelocitiesInAConeAboutTheBaseDirection) {
    auto plume = Plume();
    SeedRandom(5);
    plume->Restart(Vec3(1, 2, 3));
    for (int i = 0; i < ParticleSystem::kCapacity; i += 97) {
        const Particle& p = plume->slots[i];
        EXPECT_NEAR(p.velocity.Length(), 1.0, 1e-12);
        // Tilt is at most 49 degrees (with pi as 3.142).
        EXPECT_GE(Dot(p.velocity, Vec3(0, -1, 0)), std::cos(49 * 3.142 / 180) - 1e-12);
        EXPECT_EQ(p.position, Vec3(1, 2, 3));
        EXPECT_TRUE(p.life == 0.1 || p.life == 1.1 || p.life == 2.1);
        EXPECT_GE(p.fade, 0.07);
        EXPECT_LE(p.fade, 1.195 + 1e-12);
    }
}

TEST(ParticleSystemSpawn, IndexOutsideThePoolIsIgnored) {
    auto plume = Plume();
    SeedRandom(1);
    plume->Spawn(15000);
    plume->Spawn(-1);
    plume->Spawn(1 << 30);
    EXPECT_EQ(NextRandom(), 41); // nothing drawn
}

TEST(ParticleSystemSpawn, RestartRebirthsTheWholePoolWhateverTheCount) {
    auto plume = Plume();
    plume->SetCount(3);
    SeedRandom(1);
    plume->Restart(Vec3(0, 727.5, 0));
    for (int i : {0, 2, 3, 14999})
        EXPECT_TRUE(plume->slots[i].alive) << i;
    // Slot by slot from the first, four draws each: slot 1 takes the fifth and sixth.
    EXPECT_EQ(plume->slots[0].life, 2.1);
    EXPECT_DOUBLE_EQ(plume->slots[0].fade, 0.945);
    EXPECT_EQ(plume->slots[1].life, 2.1);         // 19169 % 3 = 2
    EXPECT_DOUBLE_EQ(plume->slots[1].fade, 0.57); // 15724 % 10 = 4
}

TEST(ParticleSystemUpdate, NothingMovesWhileInactiveOrEmpty) {
    auto plume = Plume();
    SeedRandom(3);
    plume->Restart(Vec3(0, 727.5, 0));
    Particle before = plume->slots[0];

    plume->SetCount(100);
    plume->Update(); // not active yet
    plume->SetActive(true);
    plume->SetCount(0);
    SeedRandom(77);
    plume->Update();
    EXPECT_TRUE(SameRecord(plume->slots[0], before));
    EXPECT_EQ(NextRandom(), Reference{77}.Next());
}

TEST(ParticleSystemUpdate, FallsDriftsAndFadesWithItsOwnStep) {
    auto plume = Plume();
    SeedRandom(11);
    plume->Restart(Vec3(0, 727.5, 0));
    plume->SetCount(2);
    plume->SetActive(true);
    plume->SetForce(Vec3(0, -1.6, 0));
    Particle a = plume->slots[0], b = plume->slots[1];

    SeedRandom(40);
    plume->Update();
    Reference ref{40};
    for (Particle* expected : {&a, &b}) {
        expected->velocity += (Vec3(0, -1.6, 0) / 1.0) * 0.05;
        expected->life -= expected->fade;
        int k = ref.Next() % 4;
        expected->position += expected->velocity * k + Vec3(0.1, 0.1, 0.1);
    }
    EXPECT_TRUE(SameRecord(plume->slots[0], a));
    EXPECT_TRUE(SameRecord(plume->slots[1], b));
    // Records past the count stay put.
    EXPECT_EQ(plume->slots[2].position, Vec3(0, 727.5, 0));
}

TEST(ParticleSystemUpdate, DeadRecordsBelowTheCountStillMove) {
    auto plume = Plume();
    plume->SetCount(1);
    plume->SetActive(true);
    plume->SetForce(Vec3(0, -2, 0));
    plume->Update();
    EXPECT_FALSE(plume->slots[0].alive);
    EXPECT_EQ(plume->slots[0].velocity, Vec3(0, -0.1, 0));
}

TEST(ParticleSystemUpdate, LongestLifeIsThirtySteps) {
    auto plume = Plume();
    SeedRandom(8);
    plume->Restart(Vec3(0, 727.5, 0));
    plume->SetCount(15000);
    plume->SetActive(true);
    // The longest life: 2.1 with the slowest fade, 0.07.
    plume->slots[0].life = 2.1;
    plume->slots[0].fade = 0.07;
    plume->SetEmitting(false);
    for (int step = 0; step < 29; ++step)
        plume->Update();
    EXPECT_GT(plume->slots[0].life, 0.0);
    plume->Update();
    for (int i = 0; i < plume->count; ++i)
        ASSERT_LE(plume->slots[i].life, 0.0) << i;
}
