#include "game/SceneWindow.h"

#include "lander/GameLander.h"
#include "scene/LandingDisk.h"
#include "scene/Light.h"
#include "scene/Rgba.h"
#include "scene/Sphere.h"
#include "terrain/BaseBox.h"
#include "terrain/Dome.h"
#include "terrain/Terrain.h"

#include "platform/Win32.h"

namespace {
// The frustum's near plane and sides are the single-precision 0.1, widened.
const double kNear = 0.1f;
const double kFar = 20000;

void DrawBlended(Dome& dome) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    dome.Draw();
    glDisable(GL_BLEND);
}
} // namespace

SceneWindow::SceneWindow() {
    SetDepthBits(24);
}

void SceneWindow::AttachScene(Terrain* terrain, Sphere* const spheres[kSceneSphereCount],
                              Light* lights, Lander* lander, Dome* bigDome,
                              BaseBox* const boxes[kBaseBoxCount], LandingDisk* landingDisk,
                              Dome* smallDome) {
    this->terrain = terrain;
    for (int i = 0; i < kSceneSphereCount; ++i)
        this->spheres[i] = spheres ? spheres[i] : nullptr;
    this->lights = lights;
    this->lander = lander;
    this->bigDome = bigDome;
    for (int i = 0; i < kBaseBoxCount; ++i)
        this->boxes[i] = boxes ? boxes[i] : nullptr;
    this->landingDisk = landingDisk;
    this->smallDome = smallDome;
}

void SceneWindow::OnMouseButton(int button, bool pressed) {
    if (button == LeftButton)
        leftDrag = pressed;
    else if (button == RightButton)
        rightDrag = pressed;
    else
        return;
    skipNextMove = pressed;
}

void SceneWindow::OnIdle() {
    Redraw();
}

bool SceneWindow::HasScene() const {
    for (const BaseBox* box : boxes) {
        if (!box)
            return false;
    }
    return terrain && spheres[BlueSphere] && spheres[RedSphere] && lights && lander && bigDome &&
           landingDisk && smallDome;
}

int SceneWindow::FoldKey(int key) {
    return key >= 'A' && key <= 'Z' ? key + ('a' - 'A') : key;
}

void SceneWindow::PrepareContext() {
    glClear(GL_COLOR_BUFFER_BIT);
    SwapBuffers();
    // Both windows create their two textures in the same order, so the shared disk's texture
    // name is the same in both contexts.
    starSphere.LoadTexture();
    if (landingDisk)
        landingDisk->LoadTexture();
    // A square 90-degree frustum, stretched to whatever shape the window has.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-kNear, kNear, -kNear, kNear, kNear, kFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glViewport(0, 0, Width(), Height());
    glEnable(GL_DEPTH_TEST);
    glClearColor(0, 0, 0, 0);
    glEnable(GL_CULL_FACE);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, Rgba::OpaqueBlack().Data());
}

void SceneWindow::FinishContext() {
    glEnable(GL_COLOR_MATERIAL);
    starSphere.Create(10000, 25, 25, true);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
}

bool SceneWindow::BeginFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    return sceneReady && HasScene();
}

void SceneWindow::DrawFrame(const CameraPose& camera, LanderStep step) {
    ApplyLightColours();
    TurnAngles();
    glPushMatrix();
    camera.Look();
    DrawSkyAndMoon();
    if (step == LanderStep::Advance)
        lander->Update(kLanderStep);
    lander->Draw();
    DrawSurroundings();
    glPopMatrix();
    SwapBuffers();
}

void SceneWindow::SwitchOnColouredPairAndSpotlight() {
    lights[BlueLight].On();
    lights[RedLight].On();
    lights[Spotlight].On();
}

void SceneWindow::ApplyLightColours() {
    for (int i = 0; i < kSceneLightCount; ++i)
        lights[i].ApplyColours();
}

void SceneWindow::TurnAngles() {
    spinAngle += 0.5;
    starAngle += 0.1;
    if (spinAngle > 360)
        spinAngle -= 360;
    if (starAngle > 360)
        starAngle -= 360;
}

void SceneWindow::DrawSkyAndMoon() {
    DrawOrbitingSphere(BlueSphere, BlueLight, WhiteBlueLight, kBlueSphereOrbit);
    DrawOrbitingSphere(RedSphere, RedLight, WhiteRedLight, kRedSphereOrbit);

    glPushMatrix();
    glRotated(starAngle, 1, 0, 0);
    glRotated(starAngle, 0, 1, 0);
    starSphere.Draw();
    glPopMatrix();

    glPushMatrix();
    terrain->Draw();
    glPopMatrix();
}

void SceneWindow::DrawOrbitingSphere(SceneSphere sphere, SceneLight coloured, SceneLight white,
                                     double orbit) {
    // The sphere carries its pair of directional lights round the moon.
    glPushMatrix();
    glRotated(-spinAngle, 1, 0, 0);
    lights[coloured].Apply();
    lights[white].Apply();
    glTranslated(0, orbit, 0);
    spheres[sphere]->Draw();
    glPopMatrix();
}

void SceneWindow::DrawSurroundings() {
    // The spotlight rides on the lander's camera and shines where it looks.
    glPushMatrix();
    Light& spot = lights[Spotlight];
    spot.SetPosition(lander->cameraPoint);
    spot.SetSpot(lander->head->Normal(BoxFace::Top), kSpotlightCutoff, kSpotlightExponent);
    spot.Apply();
    glPopMatrix();

    glPushMatrix();
    glTranslated(0, kLandingDiskHeight, 0);
    landingDisk->Draw();
    glPopMatrix();

    glPushMatrix();
    glRotated(kBaseTurn, 0, 0, 1);
    glTranslated(0, kBasePlane, 0);
    for (BaseBox* box : boxes) {
        glPushMatrix();
        box->Draw();
        glPopMatrix();
    }
    glPopMatrix();

    // The translucent domes go last, blended over everything opaque.
    glPushMatrix();
    glRotated(kSmallDomeTurnZ, 0, 0, 1);
    glRotated(kSmallDomeTurnX, 1, 0, 0);
    glTranslated(0, kSmallDomeBase, 0);
    DrawBlended(*smallDome);
    glPopMatrix();

    glPushMatrix();
    glRotated(kBaseTurn, 0, 0, 1);
    glTranslated(0, kBigDomeCentre, 0);
    DrawBlended(*bigDome);
    glPopMatrix();
}
