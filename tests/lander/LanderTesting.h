// Shared helpers for the lander tests and the game tests.
#pragma once

#include "lander/Lander.h"

#include <gtest/gtest.h>

#include <memory>

// The step the main view uses: a single-precision 0.2.
constexpr double kStep = 0.2f;

// A lander standing where the game puts its own, as the game sets it up.
inline std::unique_ptr<Lander> GameLander() {
    auto lander = std::make_unique<Lander>(20, 5, 20, 20, 5);
    lander->Place(0, 730, 0);
    lander->gravity = 1.6;
    return lander;
}

inline void ExpectNear(const Vec3& a, const Vec3& b, double tolerance = 1e-9) {
    EXPECT_NEAR(a.x, b.x, tolerance);
    EXPECT_NEAR(a.y, b.y, tolerance);
    EXPECT_NEAR(a.z, b.z, tolerance);
}

// Flies until the lander stops, at most limit steps; returns the number of steps taken.
inline int FlyUntilStopped(Lander& lander, int limit = 2000) {
    int steps = 0;
    while (lander.running && steps < limit) {
        lander.Update(kStep);
        ++steps;
    }
    return steps;
}
