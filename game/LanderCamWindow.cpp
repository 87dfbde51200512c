#include "game/LanderCamWindow.h"

#include "game/WindowLayout.h"
#include "lander/Lander.h"
#include "scene/Light.h"

#include "platform/Win32.h"

namespace {
// O brings the top view closer by a step only while it is farther than this: from 200 it stops
// at 40.
const double kStepCloserBeyond = 50;
const double kTopViewStep = 20;
} // namespace

void LanderCamWindow::OnCreate() {
    PrepareContext();
    // The white pair follows the flags the main view keeps.
    if (lights)
        SwitchOnColouredPairAndSpotlight();
    FinishContext();
}

CameraPose LanderCamWindow::View() const {
    CameraPose pose;
    if (!topView) {
        pose.eye = lander->cameraPoint;
        pose.target = lander->cameraPoint + lander->head->Normal(BoxFace::Top);
        pose.up = lander->head->Normal(BoxFace::MinusX);
        return pose;
    }
    const Vec3& p = lander->position;
    const Vec3& n = lander->Normal(BoxFace::Top);
    pose.eye =
        Vec3(n.x * topViewDistance + p.x, n.y * topViewDistance + p.y, n.z * topViewDistance + p.z);
    pose.target = p;
    pose.up = lander->Normal(BoxFace::MinusX);
    return pose;
}

void LanderCamWindow::OnDisplay() {
    if (!BeginFrame())
        return;
    DrawFrame(View(), LanderStep::Hold);
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
    const WindowLook& look = topView ? kTopViewLook : kRidingViewLook;
    SetTitle(look.title);
    SetSize(look.width, look.height);
}

void LanderCamWindow::OnKeyboard(int key, bool pressed) {
    key = FoldKey(key);
    switch (key) {
    case VK_SPACE:
        if (pressed)
            ToggleView();
        break;
    case 'k':
        if (pressed)
            topViewDistance += kTopViewStep;
        break;
    case 'o':
        if (pressed && topViewDistance > kStepCloserBeyond)
            topViewDistance -= kTopViewStep;
        break;
    case 'x':
        if (lander)
            lander->Launch(); // on release too
        break;
    default:
        break;
    }
}
