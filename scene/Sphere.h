// A plain coloured GLU sphere, drawn at the origin of the current modelview matrix and lit by
// whatever lighting and colour material the window has set.
#pragma once

#include "scene/Rgba.h"

#include "platform/Win32.h"

class Sphere {
  public:
    Sphere() = default;
    ~Sphere();
    Sphere(const Sphere&) = delete;
    Sphere& operator=(const Sphere&) = delete;

    // Needs no rendering context: a quadric is only a set of drawing options.
    void Create(float radius, int slices, int stacks, bool textured);
    void Draw() const;

    GLUquadric* quadric = nullptr;
    float radius = 0.0f;
    int slices = 0;
    int stacks = 0;
    Rgba colour;
};
