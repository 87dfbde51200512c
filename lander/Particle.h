// One exhaust particle. life is at once the remaining life, the drawing alpha and the point size.
#pragma once

#include "scene/Rgba.h"
#include "scene/Vec3.h"

struct Particle {
    Vec3 position;
    Vec3 velocity; // world units per step
    double life = 0.0;
    double fade = 0.0; // taken from life every step
    double mass = 1.0;
    bool alive = false; // set at the first birth; death is life <= 0
    Rgba colour;
};
