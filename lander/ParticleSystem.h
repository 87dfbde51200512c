// The exhaust plume: a fixed pool of particle records, the first count of which are in use.
// Particles are born at the nozzle in a cone about the lander's down axis, fall under the
// lander's gravity, fade, and are reborn while the system is emitting.
#pragma once

#include "lander/Particle.h"

// How Draw sends the live points. Immediate, one glBegin/glEnd pair per point, is the
// reference. The others draw them all at once from arrays through a vertex program that gives
// each point its own size (VertexProgram: GL_ARB_vertex_program, VertexShader: a GLSL shader,
// Fastest: whichever the context offers, in that order), and fall back to Immediate where the
// current context runs neither. The picture is the same.
enum class ParticleDrawPath { Fastest, VertexProgram, VertexShader, Immediate };

class ParticleSystem {
  public:
    static constexpr int kCapacity = 15000;

    ParticleSystem();

    // Uses n records, at most the capacity; a negative n uses none.
    void SetCount(int n);
    // Moves the emitter and rebirths every record of the pool, used or not.
    void Restart(const Vec3& emitter);
    // Rebirths record i at the emitter; an index outside the pool is ignored.
    void Spawn(int i);
    // One step of motion for the records in use.
    void Update();
    // Draws the live records in use as additive points, reborn the dead ones while emitting.
    void Draw();

    void SetEmitterPosition(const Vec3& p) { emitterPosition = p; }
    void SetBaseDirection(const Vec3& d) { baseDirection = d; }
    void SetSpreadAxis(const Vec3& a) { spreadAxis = a; }
    void SetForce(const Vec3& f) { force = f; }
    void SetEmitting(bool on) { emitting = on; }
    void SetActive(bool on) { active = on; }

    bool emitting = true;
    bool active = false;
    int count = 0;
    Vec3 spreadAxis;      // the cone leans away from the base direction about this axis
    Vec3 emitterPosition; // the nozzle
    Vec3 force;           // acts on every particle
    Vec3 baseDirection;   // centre line of the cone
    Rgba colour;
    Particle slots[kCapacity];
    ParticleDrawPath drawPath = ParticleDrawPath::Fastest;

  private:
    // Per live point: x, y, z, then r, g, b and life (alpha and size at once).
    static constexpr int kBatchStride = 7;

    // Both draw the live records in use and rebirth the dead ones in index order.
    void DrawImmediate();
    // False, having touched nothing, when the current context cannot run the path.
    bool DrawBatched();
    // Fills the batch with the live records; returns how many.
    int GatherLivePoints();

    float batch[kCapacity * kBatchStride];
};
