#include "game/MainViewWindow.h"

#include "game/CameraPose.h"
#include "lander/Lander.h"
#include "scene/Light.h"
#include "scene/Mat3.h"
#include "terrain/Terrain.h"

#include "platform/Win32.h"

namespace {
// The camera never comes closer to the lander than this, sideways.
const double kMinOrbitDistance = 50;

// Keys 1 to 4 set the intensity of the blue sphere's coloured light, 5 to 8 the red one's.
struct Dimmer {
    int key;
    SceneLight light;
    double intensity;
};
const Dimmer kDimmers[] = {
    {'1', BlueLight, 1.0}, {'2', BlueLight, 0.7}, {'3', BlueLight, 0.4}, {'4', BlueLight, 0.1},
    {'5', RedLight, 1.0},  {'6', RedLight, 0.7},  {'7', RedLight, 0.4},  {'8', RedLight, 0.1},
};

const Dimmer* FindDimmer(int key) {
    for (const Dimmer& dimmer : kDimmers) {
        if (dimmer.key == key)
            return &dimmer;
    }
    return nullptr;
}

void Switch(Light& light, bool on) {
    if (on)
        light.On();
    else
        light.Off();
}
} // namespace

void MainViewWindow::OnCreate() {
    PrepareContext();
    if (lights) {
        SwitchOnColouredPairAndSpotlight();
        lights[WhiteBlueLight].Off();
        lights[WhiteRedLight].Off();
    }
    FinishContext();
    // Refine the ground under the lander before the first frame.
    if (terrain && lander)
        terrain->UpdateDetail(lander->position);
}

void MainViewWindow::PlaceCamera() {
    Mat3 turn;
    turn.SetRotation(lander->Normal(BoxFace::Top), -lander->engine.yaw);
    eyeOffset = turn.Transform(lander->Normal(BoxFace::MinusX));
    eye =
        (lander->position + lander->Normal(BoxFace::Top) * orbitHeight) + eyeOffset * orbitDistance;
}

void MainViewWindow::OnDisplay() {
    if (!BeginFrame())
        return;
    if (lander->running)
        terrain->UpdateDetail(lander->position);
    PlaceCamera();
    // This window is the game's clock: the lander moves on in its frames only.
    DrawFrame(CameraPose{eye, lander->position, lander->Normal(BoxFace::Top)}, LanderStep::Advance);
}

void MainViewWindow::OnMouseMove(int x, int y) {
    const int dy = (y - lastY) / 2;
    if (skipNextMove) {
        skipNextMove = false;
    } else if (leftDrag && rightDrag) {
        const int dx = (x - lastX) / 2;
        if (lander)
            lander->engine.AdjustYaw(dx * 10.0);
    } else if (leftDrag) {
        const double v = orbitDistance + dy * 10.0;
        if (v > kMinOrbitDistance)
            orbitDistance = v;
    } else if (rightDrag) {
        orbitHeight = orbitHeight - dy * 10.0;
    }
    lastX = x;
    lastY = y;
}

void MainViewWindow::SwapLightPairs() {
    lightsSwapped = !lightsSwapped;
    // Either the coloured pair shines or the white pair stands in for it.
    Switch(lights[BlueLight], !lightsSwapped);
    Switch(lights[RedLight], !lightsSwapped);
    Switch(lights[WhiteBlueLight], lightsSwapped);
    Switch(lights[WhiteRedLight], lightsSwapped);
}

bool MainViewWindow::CameraKey(int key) {
    switch (key) {
    case 'i':
        orbitHeight -= 10;
        return true;
    case 'j':
        orbitHeight += 10;
        return true;
    case 'k':
        orbitDistance += 10;
        return true;
    case 'o':
        if (orbitDistance > kMinOrbitDistance)
            orbitDistance -= 10;
        return true;
    default:
        return false;
    }
}

void MainViewWindow::OnKeyboard(int key, bool pressed) {
    key = FoldKey(key);
    if (key == 'x') {
        if (lander)
            lander->Launch(); // on release too: a flying lander ignores it
        return;
    }
    if (!pressed || CameraKey(key))
        return;
    // The remaining keys act on the scene, which a window without one cannot touch.
    if (!HasScene())
        return;
    Engine& engine = lander->engine;
    switch (key) {
    case VK_PRIOR:
        lander->TiltHead(-3);
        break;
    case VK_NEXT:
        lander->TiltHead(+3);
        break;
    case VK_LEFT:
        lander->SwivelMast(-3);
        break;
    case VK_UP:
        lander->TiltMast(+3);
        break;
    case VK_RIGHT:
        lander->SwivelMast(+3);
        break;
    case VK_DOWN:
        lander->TiltMast(-3);
        break;
    case '0':
        SwapLightPairs();
        break;
    case 'a':
        engine.AdjustPitch(+3);
        break;
    case 'l':
        engine.AdjustPower(-1);
        break;
    case 'm':
        engine.AdjustYaw(+3);
        break;
    case 'n':
        engine.AdjustYaw(-3);
        break;
    case 'p':
        engine.AdjustPower(+1);
        break;
    case 'w':
        terrain->SetDrawMode(static_cast<int>(terrain->drawMode) + 1);
        break;
    case 'z':
        engine.AdjustPitch(-3);
        break;
    default:
        if (const Dimmer* dimmer = FindDimmer(key))
            lights[dimmer->light].SetIntensity(dimmer->intensity);
        break;
    }
}
