// A freshly built game (scene and both windows, no platform windows) for each test.
#pragma once

#include "game/LanderApp.h"
#include "lander/Lander.h"
#include "tests/lander/LanderTesting.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

// The mast and head of two landers are in the same place.
inline void ExpectSameMast(const Lander& actual, const Lander& expected) {
    for (int i = 0; i < 8; ++i) {
        ExpectNear(actual.mast->corners[i], expected.mast->corners[i]);
        ExpectNear(actual.head->corners[i], expected.head->corners[i]);
    }
    ExpectNear(actual.cameraPoint, expected.cameraPoint);
}

// Moves to (x, y), presses the buttons in their order and makes the move that only records the
// place, so that the next move drags.
inline void StartDrag(GLWindow& window, int x, int y, std::initializer_list<MouseButton> buttons) {
    window.OnMouseMove(x, y);
    for (MouseButton button : buttons)
        window.OnMouseButton(button, true);
    window.OnMouseMove(x, y);
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
