// The second view: the scene from the camera at the tip of the lander's mast, or from straight
// above the lander. Space switches between the two; mouse drags turn the mast. It only draws:
// the main view advances the lander and refines the moon.
#pragma once

#include "game/CameraPose.h"
#include "game/SceneWindow.h"

class LanderCamWindow : public SceneWindow {
  public:
    LanderCamWindow() = default;

    void OnCreate() override;
    void OnDisplay() override;
    void OnMouseMove(int x, int y) override;
    void OnKeyboard(int key, bool pressed) override;

    // The riding camera looks out of the top of the mast's head; the top view looks down on
    // the lander from topViewDistance above it.
    CameraPose View() const;

    double topViewDistance = 200.0; // how far above the lander the top view's eye sits
    bool topView = false;           // false: riding on the mast

  private:
    void ToggleView();
};
