#include "game/MainViewWindow.h"

#include "game/CameraPose.h"
#include "lander/Lander.h"
#include "scene/Light.h"
#include "scene/Mat3.h"
#include "terrain/Terrain.h"

#include "platform/Win32.h"

namespace {
// One simulation step per frame, in the single-precision value the physics was tuned with.
const double kStep = 0.2f;
// The camera never comes closer to the lander than this, sideways.
const double kMinOrbitDistance = 50;
} // namespace

void MainViewWindow::OnCreate() {
    PrepareContext();
    if (lights) {
        lights[0].On();
        lights[1].On();
        lights[2].On();
        lights[3].Off();
        lights[4].Off();
    }
    FinishContext();
    // Refine the ground under the lander before the first frame.
    if (terrain && lander)
        terrain->UpdateDetail(lander->position);
}

void MainViewWindow::PlaceCamera() {
    Mat3 turn;
    turn.SetRotation(lander->normals[0], -lander->engine.yaw);
    eyeOffset = turn.Transform(lander->normals[2]);
    eye = (lander->position + lander->normals[0] * orbitHeight) + eyeOffset * orbitDistance;
}

void MainViewWindow::OnDisplay() {
    if (!BeginFrame())
        return;
    if (lander->running)
        terrain->UpdateDetail(lander->position);
    PlaceCamera();
    ApplyLightColours();
    TurnAngles();

    glPushMatrix();
    CameraPose{eye, lander->position, lander->normals[0]}.Look();
    DrawSkyAndMoon();
    lander->Update(kStep);
    lander->Draw();
    DrawSurroundings();
    glPopMatrix();
    SwapBuffers();
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
    if (!lightsSwapped) {
        lights[0].Off();
        lights[1].Off();
        lights[3].On();
        lights[4].On();
        lightsSwapped = true;
    } else {
        lights[0].On();
        lights[1].On();
        lights[3].Off();
        lights[4].Off();
        lightsSwapped = false;
    }
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
    if (key == VK_SHIFT) {
        shiftDown = pressed;
        return;
    }
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
    case '1':
        lights[0].SetIntensity(1.0);
        break;
    case '2':
        lights[0].SetIntensity(0.7);
        break;
    case '3':
        lights[0].SetIntensity(0.4);
        break;
    case '4':
        lights[0].SetIntensity(0.1);
        break;
    case '5':
        lights[1].SetIntensity(1.0);
        break;
    case '6':
        lights[1].SetIntensity(0.7);
        break;
    case '7':
        lights[1].SetIntensity(0.4);
        break;
    case '8':
        lights[1].SetIntensity(0.1);
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
        break;
    }
}
