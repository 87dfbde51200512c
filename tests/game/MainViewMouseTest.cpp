#include "tests/game/GameFixture.h"

namespace {
using MainViewMouse = GameTest;
} // namespace

TEST_F(MainViewMouse, ButtonsSetTheDragFlags) {
    View().OnMouseButton(LeftButton, true);
    EXPECT_TRUE(View().leftDrag);
    EXPECT_TRUE(View().skipNextMove);
    View().OnMouseButton(RightButton, true);
    EXPECT_TRUE(View().rightDrag);
    View().OnMouseButton(LeftButton, false);
    EXPECT_FALSE(View().leftDrag);
    EXPECT_TRUE(View().rightDrag);
    EXPECT_FALSE(View().skipNextMove);
}

TEST_F(MainViewMouse, MiddleAndUnknownButtonsChangeNothing) {
    View().OnMouseButton(1, true);
    View().OnMouseButton(7, true);
    View().OnMouseButton(-1, true);
    EXPECT_FALSE(View().leftDrag);
    EXPECT_FALSE(View().rightDrag);
    EXPECT_FALSE(View().skipNextMove);
}

TEST_F(MainViewMouse, FirstMoveAfterAButtonChangeOnlyRecordsThePlace) {
    View().OnMouseButton(LeftButton, true);
    View().OnMouseMove(10, 400);
    EXPECT_EQ(View().orbitDistance, 300);
    EXPECT_FALSE(View().skipNextMove);
    EXPECT_EQ(View().lastX, 10);
    EXPECT_EQ(View().lastY, 400);
    View().OnMouseMove(10, 402);
    EXPECT_EQ(View().orbitDistance, 310);
}

TEST_F(MainViewMouse, LeftDragUpMovesTheCameraAwayInStepsOfTwoPixels) {
    StartDrag(View(), 100, 100, {LeftButton});
    View().OnMouseMove(100, 101); // half a step truncates to nothing
    EXPECT_EQ(View().orbitDistance, 300);
    View().OnMouseMove(100, 103);
    EXPECT_EQ(View().orbitDistance, 310);
    View().OnMouseMove(100, 98); // -5 halves to -2, toward zero
    EXPECT_EQ(View().orbitDistance, 290);
    View().OnMouseMove(100, 97);
    EXPECT_EQ(View().orbitDistance, 290);
}

TEST_F(MainViewMouse, LeftDragNeverBringsTheCameraTo50) {
    StartDrag(View(), 0, 0, {LeftButton});
    View().OnMouseMove(0, -50); // exactly 50: refused
    EXPECT_EQ(View().orbitDistance, 300);
    View().OnMouseMove(0, -98); // 300 - 240 = 60
    EXPECT_EQ(View().orbitDistance, 60);
    View().OnMouseMove(0, -100);
    EXPECT_EQ(View().orbitDistance, 60);
}

TEST_F(MainViewMouse, RightDragUpLowersTheCameraWithoutLimit) {
    StartDrag(View(), 0, 0, {RightButton});
    View().OnMouseMove(0, 2);
    EXPECT_EQ(View().orbitHeight, 90);
    View().OnMouseMove(0, 42);
    EXPECT_EQ(View().orbitHeight, -110);
}

TEST_F(MainViewMouse, BothButtonsTurnTheYawByTenDegreesPerTwoPixels) {
    StartDrag(View(), 50, 50, {LeftButton, RightButton});
    View().OnMouseMove(55, 50);
    EXPECT_EQ(TheLander().engine.yaw, 20);
    View().OnMouseMove(55, 90); // vertical only: no yaw, and the camera stays
    EXPECT_EQ(TheLander().engine.yaw, 20);
    EXPECT_EQ(View().orbitDistance, 300);
    EXPECT_EQ(View().orbitHeight, 100);
    View().OnMouseMove(54, 90);
    EXPECT_EQ(TheLander().engine.yaw, 20);
}

TEST_F(MainViewMouse, MovesWithoutButtonsOnlyRecordThePlace) {
    View().OnMouseMove(30, 40);
    View().OnMouseMove(300, 400);
    EXPECT_EQ(View().orbitDistance, 300);
    EXPECT_EQ(View().orbitHeight, 100);
    EXPECT_EQ(TheLander().engine.yaw, 0);
    EXPECT_EQ(View().lastX, 300);
    EXPECT_EQ(View().lastY, 400);
}

TEST(MainViewMouseWithoutScene, BothButtonDragIsIgnored) {
    MainViewWindow view;
    view.OnMouseButton(LeftButton, true);
    view.OnMouseButton(RightButton, true);
    view.OnMouseMove(0, 0);
    view.OnMouseMove(100, 0);
    EXPECT_EQ(view.lastX, 100);
}
