// A freshly built game (scene and both windows, no platform windows) for each test.
#pragma once

#include "game/LanderApp.h"
#include "lander/Lander.h"

#include <gtest/gtest.h>

#include <memory>

inline void ExpectNear(const Vec3& actual, const Vec3& expected, double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// A lander standing where the game puts its own, to replay operations on.
inline std::unique_ptr<Lander> StartingLander() {
    auto lander = std::make_unique<Lander>(20.0, 5.0, 20.0, 20.0, 5.0);
    lander->Place(0.0, 730.0, 0.0);
    lander->gravity = 1.6;
    return lander;
}

// The mast and head of two landers are in the same place.
inline void ExpectSameMast(const Lander& actual, const Lander& expected) {
    for (int i = 0; i < 8; ++i) {
        ExpectNear(actual.mast->corners[i], expected.mast->corners[i]);
        ExpectNear(actual.head->corners[i], expected.head->corners[i]);
    }
    ExpectNear(actual.cameraPoint, expected.cameraPoint);
}

// Presses and releases a key in a window.
inline void Tap(GLWindow& window, int key, int times = 1) {
    for (int i = 0; i < times; ++i) {
        window.OnKeyboard(key, true);
        window.OnKeyboard(key, false);
    }
}

class GameTest : public ::testing::Test {
  protected:
    GameTest() : app(std::make_unique<LanderApp>()) {}

    LanderApp& App() { return *app; }
    MainViewWindow& View() { return app->mainWindow; }
    LanderCamWindow& Cam() { return app->camWindow; }
    Lander& TheLander() { return *app->lander; }

    std::unique_ptr<LanderApp> app;
};
