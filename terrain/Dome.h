// A smooth translucent hemisphere standing on the plane y = 0 of its own frame, open side
// down. Its mesh never changes after construction.
#pragma once

#include "scene/Rgba.h"

class TriTree;

class Dome {
  public:
    static const int rootCount = 4;

    Dome(double radius, const Rgba& colour);
    // The roots own their edges, so every edge and vertex of the dome goes with them.
    ~Dome();
    Dome(const Dome&) = delete;
    Dome& operator=(const Dome&) = delete;

    // Sets the colour (alpha included) and draws; the caller places it and sets blending.
    void Draw();

    Rgba colour;
    double radius;
    TriTree* roots[rootCount] = {};
};
