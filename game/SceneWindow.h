// What the two game windows have in common: the shared scene they draw, their own star sphere,
// the mouse-button state, the continuous redraw and the parts of a frame that both draw alike.
#pragma once

#include "framework/GLWindow.h"
#include "game/CameraPose.h"
#include "game/SceneLayout.h"
#include "scene/StarSphere.h"

class BaseBox;
class Dome;
class Lander;
class LandingDisk;
class Light;
class Sphere;
class Terrain;

class SceneWindow : public GLWindow {
  public:
    SceneWindow();

    // The window draws these objects and owns none of them. `spheres` holds the blue and the red
    // sphere and `lights` the application's five lights, in the order SceneLayout.h names them;
    // `boxes` holds the boxes of the base.
    void AttachScene(Terrain* terrain, Sphere* const spheres[kSceneSphereCount], Light* lights,
                     Lander* lander, Dome* bigDome, BaseBox* const boxes[kBaseBoxCount],
                     LandingDisk* landingDisk, Dome* smallDome);
    void SetSceneReady() { sceneReady = true; }

    void OnMouseButton(int button, bool pressed) override;
    void OnIdle() override;

    Terrain* terrain = nullptr;
    Sphere* spheres[kSceneSphereCount] = {nullptr, nullptr};
    Light* lights = nullptr;
    Lander* lander = nullptr;
    Dome* bigDome = nullptr;
    BaseBox* boxes[kBaseBoxCount] = {};
    LandingDisk* landingDisk = nullptr;
    StarSphere starSphere; // textures belong to one context, so each window has its own
    Dome* smallDome = nullptr;

    bool sceneReady = false; // until set, a frame only clears
    bool leftDrag = false;
    bool rightDrag = false;
    bool skipNextMove = false; // the first move after a button change only records the place
    double spinAngle = 0.0;    // degrees, the light-carrying spheres
    double starAngle = 0.0;    // degrees, the star sphere
    int lastX = 0;
    int lastY = 0;

  protected:
    // True when every scene object has been attached.
    bool HasScene() const;
    // Letters arrive as upper-case key codes; bindings are written in lower case.
    static int FoldKey(int key);

    // Creation, up to and including the global ambient light: black screen, textures,
    // projection, viewport, depth test and culling.
    void PrepareContext();
    // Creation after the lights are switched: colour material and the star sphere.
    void FinishContext();

    // Clears the buffers; false when there is nothing to draw yet.
    bool BeginFrame();
    // The lander is drawn as it stands, or first moved on by one simulation step.
    enum class LanderStep { Hold, Advance };
    // The rest of a frame: the light colours, the angles' turn, the whole scene under the
    // camera, and the swap.
    void DrawFrame(const CameraPose& camera, LanderStep step);
    // The coloured pair and the spotlight; the white pair keeps whatever it was given.
    void SwitchOnColouredPairAndSpotlight();

  private:
    void ApplyLightColours();
    void TurnAngles();
    // Under the camera: the two spheres with their lights, the stars and the moon.
    void DrawSkyAndMoon();
    void DrawOrbitingSphere(SceneSphere sphere, SceneLight coloured, SceneLight white,
                            double orbit);
    // Under the camera, after the lander: the spotlight, the landing disk, the base and the domes.
    void DrawSurroundings();
};
