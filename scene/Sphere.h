// A plain coloured GLU sphere, drawn at the origin of the current modelview matrix and lit by
// whatever lighting and colour material the window has set.
#pragma once

#include "scene/QuadricBody.h"
#include "scene/Rgba.h"

class Sphere : public QuadricBody {
  public:
    Sphere() = default;

    void Draw() const;

    Rgba colour;
};
