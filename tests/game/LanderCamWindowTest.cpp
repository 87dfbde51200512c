#include "tests/game/GameFixture.h"

namespace {
using LanderCamWindowViews = GameTest;

using LanderCamWindowMouse = GameTest;
} // namespace

TEST_F(LanderCamWindowViews, RidingCameraLooksStraightUpFromTheMastAtTheStart) {
    CameraPose pose = Cam().View();
    ExpectNear(pose.eye, Vec3(0, 797.5, 0));
    ExpectNear(pose.target, Vec3(0, 798.5, 0));
    ExpectNear(pose.up, Vec3(-1, 0, 0));
}

TEST_F(LanderCamWindowViews, TopViewLooksDownOnTheLanderFrom200Above) {
    Tap(Cam(), VK_SPACE);
    ASSERT_TRUE(Cam().topView);
    CameraPose pose = Cam().View();
    ExpectNear(pose.eye, Vec3(0, 930, 0));
    ExpectNear(pose.target, Vec3(0, 730, 0));
    ExpectNear(pose.up, Vec3(-1, 0, 0));
}

TEST_F(LanderCamWindowViews, RidingCameraFollowsTheMast) {
    TheLander().TiltMast(30);
    CameraPose pose = Cam().View();
    ExpectNear(pose.eye, TheLander().cameraPoint);
    ExpectNear(pose.target, TheLander().cameraPoint + TheLander().head->Normal(BoxFace::Top));
    ExpectNear(pose.up, TheLander().head->Normal(BoxFace::MinusX));
}

TEST_F(LanderCamWindowViews, SpaceSwitchesToTheTopViewWithItsTitleAndSize) {
    Tap(Cam(), VK_SPACE);
    EXPECT_TRUE(Cam().topView);
    EXPECT_EQ(Cam().extra->title, "Tavrilo : Vesk Top View - Pellimar");
    EXPECT_EQ(Cam().Width(), 400);
    EXPECT_EQ(Cam().Height(), 400);
}

TEST_F(LanderCamWindowViews, SpaceTwiceRestoresTheRidingCameraTitleAndSize) {
    Tap(Cam(), VK_SPACE, 2);
    EXPECT_FALSE(Cam().topView);
    EXPECT_EQ(Cam().extra->title, "Tavrilo : Vesk Cam - Pellimar");
    EXPECT_EQ(Cam().Width(), 580);
    EXPECT_EQ(Cam().Height(), 300);
}

TEST_F(LanderCamWindowViews, KMovesTheTopViewAwayInStepsOf20) {
    Tap(Cam(), 'K', 2);
    EXPECT_EQ(Cam().topViewDistance, 240);
    Cam().OnKeyboard('K', false);
    EXPECT_EQ(Cam().topViewDistance, 240);
}

TEST_F(LanderCamWindowViews, OStopsAt40) {
    Tap(Cam(), 'O', 8);
    EXPECT_EQ(Cam().topViewDistance, 40);
    Tap(Cam(), 'O', 3);
    EXPECT_EQ(Cam().topViewDistance, 40);
}

TEST_F(LanderCamWindowViews, XLaunchesOnPressAndOnRelease) {
    Cam().OnKeyboard('X', false);
    EXPECT_TRUE(TheLander().running);
    TheLander().running = false;
    Cam().OnKeyboard('X', true);
    EXPECT_TRUE(TheLander().running);
}

TEST_F(LanderCamWindowViews, MainViewKeysDoNothingHere) {
    for (int key : std::initializer_list<int>{'A', 'P', 'W', '0', 'I', VK_LEFT, VK_PRIOR})
        Tap(Cam(), key);
    EXPECT_EQ(TheLander().engine.pitch, 0);
    EXPECT_EQ(TheLander().engine.power, 5);
    ExpectSameMast(TheLander(), *GameLander());
    EXPECT_EQ(Cam().topViewDistance, 200);
}

TEST_F(LanderCamWindowMouse, FirstMoveAfterAButtonChangeOnlyRecordsThePlace) {
    Cam().OnMouseButton(LeftButton, true);
    Cam().OnMouseMove(40, 60);
    ExpectSameMast(TheLander(), *GameLander());
    EXPECT_EQ(Cam().lastX, 40);
    EXPECT_EQ(Cam().lastY, 60);
    Cam().OnMouseButton(LeftButton, false);
    Cam().OnMouseMove(90, 90);
    ExpectSameMast(TheLander(), *GameLander());
}

TEST_F(LanderCamWindowMouse, LeftDragSwivelsAndTiltsTheMast) {
    StartDrag(Cam(), 100, 100, {LeftButton});
    Cam().OnMouseMove(105, 100); // dx 2: 6 degrees
    auto expected = GameLander();
    expected->SwivelMast(6);
    expected->TiltMast(0);
    ExpectSameMast(TheLander(), *expected);
    Cam().OnMouseMove(100, 96); // dx -2, dy -2
    expected->SwivelMast(-6);
    expected->TiltMast(-6);
    ExpectSameMast(TheLander(), *expected);
}

TEST_F(LanderCamWindowMouse, RightDragSwivelsTheMastAndTiltsOnlyTheHead) {
    StartDrag(Cam(), 0, 0, {RightButton});
    Cam().OnMouseMove(4, 6);
    auto expected = GameLander();
    expected->SwivelMast(6);
    expected->TiltHead(9);
    ExpectSameMast(TheLander(), *expected);
}

TEST_F(LanderCamWindowMouse, WithBothButtonsTheLeftButtonsTiltWins) {
    StartDrag(Cam(), 0, 0, {LeftButton, RightButton});
    Cam().OnMouseMove(-5, 4);
    auto expected = GameLander();
    expected->SwivelMast(-6);
    expected->TiltMast(6);
    ExpectSameMast(TheLander(), *expected);
}

TEST_F(LanderCamWindowMouse, MovesWithoutButtonsLeaveTheMast) {
    Cam().OnMouseMove(10, 10);
    Cam().OnMouseMove(200, 300);
    ExpectSameMast(TheLander(), *GameLander());
}

TEST_F(LanderCamWindowMouse, DragsDoNotTouchTheMainViewsState) {
    StartDrag(Cam(), 0, 0, {LeftButton, RightButton});
    Cam().OnMouseMove(40, 40);
    EXPECT_EQ(TheLander().engine.yaw, 0);
    EXPECT_EQ(View().orbitDistance, 300);
    EXPECT_EQ(View().lastX, 0);
}
