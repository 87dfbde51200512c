// The game's application object: builds the whole scene and both windows when it is
// constructed, owns all of it and takes it down again in a fixed order.
#pragma once

#include "framework/Main.h"
#include "game/LanderCamWindow.h"
#include "game/MainViewWindow.h"
#include "game/SceneLayout.h"
#include "scene/Light.h"

struct ScreenPoint;
struct WindowLook;
class BaseBox;
class Dome;
class Lander;
class LandingDisk;
class Sphere;
class Terrain;

class LanderApp : public GLApp {
  public:
    LanderApp();
    ~LanderApp() override;
    LanderApp(const LanderApp&) = delete;
    LanderApp& operator=(const LanderApp&) = delete;

    // The camera window comes first, so it is created first and its OnCreate runs first.
    LanderCamWindow camWindow;
    MainViewWindow mainWindow;
    Sphere* spheres[kSceneSphereCount] = {nullptr, nullptr};
    Lander* lander = nullptr;
    Terrain* terrain = nullptr;
    Dome* bigDome = nullptr;
    Dome* smallDome = nullptr;
    BaseBox* boxes[kBaseBoxCount] = {};
    LandingDisk* landingDisk = nullptr;
    Light lights[kSceneLightCount];

  private:
    // Every light has a black ambient colour.
    void SetUpLight(SceneLight light, const Rgba& diffuse, const Vec3& position, int positional);
    // Sizes, places and titles the window and hands it the whole scene.
    void SetUpWindow(SceneWindow& window, const WindowLook& look, const ScreenPoint& place);
};
