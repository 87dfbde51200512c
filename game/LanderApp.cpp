#include "game/LanderApp.h"

#include "game/WindowLayout.h"
#include "lander/GameLander.h"
#include "scene/LandingDisk.h"
#include "scene/Random.h"
#include "scene/Rgba.h"
#include "scene/Sphere.h"
#include "scene/Vec3.h"
#include "terrain/BaseBox.h"
#include "terrain/Dome.h"
#include "terrain/Terrain.h"

#include <ctime>

namespace {
template <typename T> void DeleteAndClear(T*& p) {
    delete p;
    p = nullptr;
}

Sphere* NewSphere(const Rgba& colour, float radius, int detail) {
    Sphere* sphere = new Sphere;
    sphere->colour = colour;
    sphere->Create(radius, detail, detail, false);
    return sphere;
}

BaseBox* NewBaseBox(double width, double height, double depth, const Rgba& colour,
                    const Vec3& position) {
    BaseBox* box = new BaseBox(width, height, depth);
    box->colour = colour;
    box->position = position;
    return box;
}
} // namespace

LanderApp::LanderApp() {
    SeedRandom(static_cast<unsigned>(std::time(nullptr)));

    spheres[BlueSphere] = NewSphere(Rgba(0, 0, 1, 1), 100.0f, 100);
    spheres[RedSphere] = NewSphere(Rgba(1, 0, 0, 1), 400.0f, 400);
    landingDisk = new LandingDisk;
    landingDisk->Create(70.0f, 70, 70, true);

    lander = NewGameLander();

    terrain = new Terrain(kMoonRadius);
    // The domes' blue is 133/255 and 234/255 in single precision.
    bigDome = new Dome(210.0, Rgba(0.4f, 0.52156866f, 0.91764706f, 0.4f));
    smallDome = new Dome(35.0, Rgba(0.4f, 0.52156866f, 0.91764706f, 0.85f));

    // Each box stands on the base's plane: its y is half its height.
    boxes[0] = NewBaseBox(40, 80, 40, Rgba::FromBytes(128, 128, 255), Vec3(-40, 40, -40));
    boxes[1] = NewBaseBox(80, 45, 45, Rgba::FromBytes(1, 149, 147), Vec3(-45, 22.5, 45));
    boxes[2] = NewBaseBox(55, 55, 55, Rgba::FromBytes(64, 64, 255), Vec3(55, 27.5, -55));
    boxes[3] = NewBaseBox(60, 30, 30, Rgba::FromBytes(255, 255, 255), Vec3(60, 15, 30));

    // The directional lights point towards their spheres; the spotlight is placed every frame.
    SetUpLight(BlueLight, Rgba::FromBytes(127, 87, 255), Vec3(0, kBlueSphereOrbit, 0),
               Light::kDirectional);
    SetUpLight(RedLight, Rgba::FromBytes(254, 55, 40), Vec3(0, kRedSphereOrbit, 0),
               Light::kDirectional);
    SetUpLight(Spotlight, Rgba(1, 1, 1, 1), Vec3(0, 0, 0), Light::kSpot);
    SetUpLight(WhiteBlueLight, Rgba::OpaqueWhite(), Vec3(0, kBlueSphereOrbit, 0),
               Light::kDirectional);
    SetUpLight(WhiteRedLight, Rgba::OpaqueWhite(), Vec3(0, kRedSphereOrbit, 0),
               Light::kDirectional);

    SetUpWindow(camWindow, kRidingViewLook, kCamWindowPlace);
    SetUpWindow(mainWindow, kMainViewLook, kMainViewPlace);

    // Closing the main view ends the game; closing the camera window only hides it.
    mainWindow.MakeMainWindow();
    camWindow.SetSceneReady();
    mainWindow.SetSceneReady();
}

void LanderApp::SetUpLight(SceneLight light, const Rgba& diffuse, const Vec3& position,
                           int positional) {
    lights[light].Setup(OpenGLLightNumber(light), Rgba::OpaqueBlack(), diffuse, position,
                        positional);
}

void LanderApp::SetUpWindow(SceneWindow& window, const WindowLook& look, const ScreenPoint& place) {
    window.SetSize(look.width, look.height);
    window.SetPosition(place.x, place.y);
    window.AttachScene(terrain, spheres, lights, lander, bigDome, boxes, landingDisk, smallDome);
    window.SetTitle(look.title);
}

LanderApp::~LanderApp() {
    // The scene goes before the windows and their contexts; nothing here needs a context.
    DeleteAndClear(terrain);
    DeleteAndClear(bigDome);
    DeleteAndClear(lander);
    DeleteAndClear(smallDome);
    for (BaseBox*& box : boxes)
        DeleteAndClear(box);
    DeleteAndClear(landingDisk);
    for (Sphere*& sphere : spheres)
        DeleteAndClear(sphere);
    // The lights (from the last down), the main view and then the camera window follow as
    // members, in reverse order of declaration.
}
