// A solid axis-aligned box of the base, drawn as six lit quads around its centre.
#pragma once

#include "scene/Rgba.h"
#include "scene/Vec3.h"

class BaseBox {
  public:
    BaseBox(double width, double height, double depth);

    // Recomputes the eight corners, relative to the centre, from the extents.
    void ComputeCorners();
    // Translates the modelview matrix to position and leaves it so: the caller brackets each
    // box with a push and a pop.
    void Draw();

    Vec3 position;
    Rgba colour;
    double width, height, depth;
    // 0-3 the top face, 4-7 the bottom face.
    Vec3 corners[8];
};
