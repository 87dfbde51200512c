#include "lander/ParticleSystem.h"

#include "scene/Mat3.h"
#include "scene/Random.h"

namespace {
// Particles move on a fixed step of their own, whatever the lander's step is.
constexpr double kParticleStep = 0.05;
} // namespace

ParticleSystem::ParticleSystem() : colour(Rgba::FromBytes(109, 87, 65)) {}

void ParticleSystem::SetCount(int n) {
    if (n < 0)
        n = 0; // a negative count would mean nothing in use anyway
    count = n < kCapacity ? n : kCapacity;
}

void ParticleSystem::Restart(const Vec3& emitter) {
    emitterPosition = emitter;
    for (int i = 0; i < kCapacity; ++i)
        Spawn(i);
}

void ParticleSystem::Spawn(int i) {
    if (i < 0 || i >= kCapacity)
        return;
    Particle& p = slots[i];
    // The order of the draws is fixed: the generator is shared with the terrain.
    p.life = (NextRandom() % 3) + 0.1;
    p.fade = (NextRandom() % 10) * 0.125 + 0.07;
    p.colour = colour;
    p.position = emitterPosition;
    p.mass = 1.0;
    p.alive = true;
    double tilt = NextRandom() % 50;
    double turn = NextRandom() % 359;
    Mat3 leaned, turned;
    leaned.SetRotation(spreadAxis, tilt);
    turned.SetRotation(baseDirection, turn);
    p.velocity = turned.Transform(leaned.Transform(baseDirection * 1.0));
}

void ParticleSystem::Update() {
    if (!active || count <= 0)
        return;
    const Vec3 drift(0.1, 0.1, 0.1);
    for (int i = 0; i < count; ++i) {
        Particle& p = slots[i];
        p.velocity += (force / p.mass) * kParticleStep;
        p.life -= p.fade;
        int k = NextRandom() % 4;
        p.position += p.velocity * k + drift;
    }
}
