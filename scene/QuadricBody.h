// What the GLU bodies (Sphere, StarSphere, LandingDisk) have in common: one quadric and the
// sizes it is drawn with. Each body draws itself at the origin of the current modelview matrix.
#pragma once

#include "platform/Win32.h"

class QuadricBody {
  public:
    QuadricBody(const QuadricBody&) = delete;
    QuadricBody& operator=(const QuadricBody&) = delete;

    // Needs no rendering context: a quadric is only a set of drawing options. Smooth normals
    // always, texture coordinates only when textured; a second call replaces the quadric.
    void Create(float radius, int slices, int stacks, bool textured);

    GLUquadric* quadric = nullptr; // null until Create, and the body draws nothing until then
    float radius = 0.0f;           // the sphere's radius, or the disk's outer radius
    int slices = 0;                // around the axis
    int stacks = 0;                // along a sphere's axis, or the disk's concentric rings

  protected:
    QuadricBody() = default;
    ~QuadricBody();
};
