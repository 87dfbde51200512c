// The lander's engine: its aim (pitch, yaw, power), the nozzle and the resulting thrust vector,
// and the exhaust plume it feeds. Only the aim at the moment of ignition matters for a jump.
#pragma once

#include "lander/ParticleSystem.h"
#include "scene/Vec3.h"

class Engine {
  public:
    Engine() = default;

    // Moves the nozzle and the particle emitter with it.
    void SetNozzle(const Vec3& p);
    // The lander's "down" normal: the thrust's and the plume's centre line.
    void SetBaseDirection(const Vec3& d);
    // The lander's -z side normal, about which pitch leans the thrust.
    void SetPitchAxis(const Vec3& a);
    // Pitch stays strictly inside (-90, 90) degrees; a step that would leave it is refused.
    void AdjustPitch(double delta);
    // Yaw wraps down by 360 once above 360; it is never raised when negative.
    void AdjustYaw(double delta);
    // Power stays strictly inside (0, 1500); a step that would leave it is refused.
    void AdjustPower(double delta);
    void RecomputeThrust();
    // The aim line from the nozzle along the thrust.
    void DrawThrustLine() const;

    ParticleSystem particles;
    Vec3 nozzle;
    Vec3 thrust; // direction times power, out of the nozzle
    Vec3 baseDirection;
    Vec3 pitchAxis;
    double power = 5.0;
    double pitch = 0.0; // degrees
    double yaw = 0.0;   // degrees
};
