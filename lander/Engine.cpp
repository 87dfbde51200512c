#include "lander/Engine.h"

#include "scene/Mat3.h"

void Engine::SetNozzle(const Vec3& p) {
    nozzle = p;
    RecomputeThrust();
    particles.SetEmitterPosition(p);
}

void Engine::SetBaseDirection(const Vec3& d) {
    baseDirection = d;
    particles.SetBaseDirection(d);
    RecomputeThrust();
}

void Engine::SetPitchAxis(const Vec3& a) {
    pitchAxis = a;
    particles.SetSpreadAxis(a);
    RecomputeThrust();
}

void Engine::AdjustPitch(double delta) {
    double v = pitch + delta;
    if (v > -90.0 && v < 90.0) {
        pitch = v;
        RecomputeThrust();
    }
}

void Engine::AdjustYaw(double delta) {
    yaw += delta;
    if (yaw > 360.0)
        yaw -= 360.0;
    RecomputeThrust();
}

void Engine::AdjustPower(double delta) {
    double v = power + delta;
    if (v > 0.0 && v < 1500.0) {
        power = v;
        RecomputeThrust();
    }
}

void Engine::RecomputeThrust() {
    Mat3 pitched, yawed;
    pitched.SetRotation(pitchAxis, pitch);
    yawed.SetRotation(baseDirection, yaw);
    Vec3 t = baseDirection * power;
    thrust = yawed.Transform(pitched.Transform(t));
}
