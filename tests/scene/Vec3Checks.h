// Checks of points and directions, for the tests of every layer that computes them.
#pragma once

#include "scene/Vec3.h"

#include <gtest/gtest.h>

// Each coordinate of actual lies within tolerance of expected's.
inline void ExpectNear(const Vec3& actual, const Vec3& expected, double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// A vertex fed back where the world point lies on the window, to within the rounding of
// single-precision window coordinates; its depth is not compared.
inline void ExpectFedAt(const Vec3& fed, const Vec3& world) {
    EXPECT_NEAR(fed.x, world.x, 1e-3);
    EXPECT_NEAR(fed.y, world.y, 1e-3);
}
