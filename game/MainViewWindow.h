// The main view: the whole scene from a camera that orbits behind the lander, and the game's
// clock: every frame it draws advances the lander by one step. Its keyboard flies the lander,
// moves the camera, swaps the lights and changes how the moon is drawn.
#pragma once

#include "game/SceneWindow.h"
#include "scene/Vec3.h"

class MainViewWindow : public SceneWindow {
  public:
    MainViewWindow() = default;

    void OnCreate() override;
    void OnDisplay() override;
    void OnMouseMove(int x, int y) override;
    void OnKeyboard(int key, bool pressed) override;

    // Puts the camera orbitHeight above and orbitDistance beside the lander, turned with the
    // engine's yaw.
    void PlaceCamera();

    bool lightsSwapped = false; // true while the white lights stand in for the coloured ones
    double orbitDistance = 300.0;
    double orbitHeight = 100.0;
    Vec3 eyeOffset; // unit direction from the lander towards the camera
    Vec3 eye;

  private:
    void SwapLightPairs();
    // The keys that only move this window's camera; true when `key` was one of them.
    bool CameraKey(int key);
};
