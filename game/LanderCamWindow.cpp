#include "game/LanderCamWindow.h"

#include "lander/Lander.h"
#include "scene/Light.h"

#include "platform/Win32.h"

namespace {
const char* const kRidingTitle = "Tavrilo : Vesk Cam - Pellimar";
const char* const kTopTitle = "Tavrilo : Vesk Top View - Pellimar";
// The top view can come no closer than this, give or take one step.
const double kMinTopViewDistance = 50;
} // namespace

void LanderCamWindow::OnCreate() {
    PrepareContext();
    // Lights 3 and 4 follow the flags the main view keeps.
    if (lights) {
        lights[0].On();
        lights[1].On();
        lights[2].On();
    }
    FinishContext();
}

CameraPose LanderCamWindow::View() const {
    CameraPose pose;
    if (!topView) {
        pose.eye = lander->cameraPoint;
        pose.target = lander->cameraPoint + lander->head->normals[4];
        pose.up = lander->head->normals[3];
        return pose;
    }
    const Vec3& p = lander->position;
    const Vec3& n = lander->normals[0];
    pose.eye =
        Vec3(n.x * topViewDistance + p.x, n.y * topViewDistance + p.y, n.z * topViewDistance + p.z);
    pose.target = p;
    pose.up = lander->normals[2];
    return pose;
}

void LanderCamWindow::OnDisplay() {
    if (!BeginFrame())
        return;
    ApplyLightColours();
    TurnAngles();

    glPushMatrix();
    View().Look();
    DrawSkyAndMoon();
    lander->Draw();
    DrawSurroundings();
    glPopMatrix();
    SwapBuffers();
}

void LanderCamWindow::OnMouseMove(int x, int y) {
    const int dx = (x - lastX) / 2;
    const int dy = (y - lastY) / 2;
    if (skipNextMove) {
        skipNextMove = false;
    } else if (lander && (leftDrag || rightDrag)) {
        lander->SwivelMast(dx * 3.0);
        if (leftDrag)
            lander->TiltMast(dy * 3.0);
        else
            lander->TiltHead(dy * 3.0);
    }
    lastX = x;
    lastY = y;
}

void LanderCamWindow::ToggleView() {
    topView = !topView;
    if (topView) {
        SetTitle(kTopTitle);
        SetSize(400, 400);
    } else {
        SetTitle(kRidingTitle);
        SetSize(580, 300);
    }
}

void LanderCamWindow::OnKeyboard(int key, bool pressed) {
    key = FoldKey(key);
    switch (key) {
    case VK_SHIFT:
        shiftDown = pressed;
        break;
    case VK_SPACE:
        if (pressed)
            ToggleView();
        break;
    case 'k':
        if (pressed)
            topViewDistance += 20;
        break;
    case 'o':
        if (pressed && topViewDistance > kMinTopViewDistance)
            topViewDistance -= 20;
        break;
    case 'x':
        if (lander)
            lander->Launch(); // on release too
        break;
    default:
        break;
    }
}
