// The generator state a split starts from, taken from the triangle's own geometry, so that a
// region collapsed and split again regains the same shape.
#pragma once

#include "scene/Vec3.h"

#include <cstdint>

// ((z * y) * x) * level truncated toward zero to 64 bits, low 32 bits kept. A product that
// does not fit (or is NaN) gives the processor's integer-indefinite value, whose low half is 0.
std::uint32_t SplitSeed(const Vec3& corner, int level);
