// Shared helpers for the lander tests and the game tests.
#pragma once

#include "lander/GameLander.h"
#include "tests/scene/Vec3Checks.h"

#include <gtest/gtest.h>

#include <memory>

// A lander standing where the game puts its own, as the game sets it up.
inline std::unique_ptr<Lander> GameLander() {
    return std::unique_ptr<Lander>(NewGameLander());
}

// Flies until the lander stops, at most limit steps; returns the number of steps taken.
inline int FlyUntilStopped(Lander& lander, int limit = 2000) {
    int steps = 0;
    while (lander.running && steps < limit) {
        lander.Update(kLanderStep);
        ++steps;
    }
    return steps;
}
