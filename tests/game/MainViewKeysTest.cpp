#include "tests/game/GameFixture.h"

#include "terrain/Terrain.h"

#include <functional>

namespace {
using MainViewKeys = GameTest;

struct MastKey {
    int key;
    std::function<void(Lander&)> operation;
};
} // namespace

TEST_F(MainViewKeys, EngineKeysAimAndPowerTheNextJump) {
    Engine& engine = TheLander().engine;
    Tap(View(), 'A', 2);
    EXPECT_EQ(engine.pitch, 6);
    Tap(View(), 'Z');
    EXPECT_EQ(engine.pitch, 3);
    Tap(View(), 'M');
    EXPECT_EQ(engine.yaw, 3);
    Tap(View(), 'N', 2);
    EXPECT_EQ(engine.yaw, -3);
    Tap(View(), 'P', 3);
    EXPECT_EQ(engine.power, 8);
    Tap(View(), 'L');
    EXPECT_EQ(engine.power, 7);
}

TEST_F(MainViewKeys, ActOnPressOnlyAndRepeatWithAutoRepeat) {
    Engine& engine = TheLander().engine;
    View().OnKeyboard('P', false);
    EXPECT_EQ(engine.power, 5);
    View().OnKeyboard('P', true);
    View().OnKeyboard('P', true);
    View().OnKeyboard('P', true);
    EXPECT_EQ(engine.power, 8);
}

TEST_F(MainViewKeys, KeypadAndFunctionKeysActLikeTheLettersTheirCodesFoldTo) {
    Engine& engine = TheLander().engine;
    Tap(View(), VK_NUMPAD0 + 1); // keypad 1 is a
    EXPECT_EQ(engine.pitch, 3);
    Tap(View(), VK_NUMPAD0 + 9); // keypad 9 is i
    EXPECT_EQ(View().orbitHeight, 90);
    Tap(View(), VK_ADD); // keypad + is k
    EXPECT_EQ(View().orbitDistance, 310);
    Tap(View(), VK_F1); // p
    EXPECT_EQ(engine.power, 6);
    Tap(View(), VK_F1 + 10); // F11 is z
    EXPECT_EQ(engine.pitch, 0);
    const int mode = App().terrain->drawMode;
    Tap(View(), VK_F1 + 7); // F8 is w
    EXPECT_EQ(App().terrain->drawMode, (mode + 1) % 4);
    View().OnKeyboard(VK_F1 + 8, true); // F9 is x
    EXPECT_TRUE(TheLander().running);
}

TEST_F(MainViewKeys, CameraKeysMoveTheOrbit) {
    Tap(View(), 'I');
    EXPECT_EQ(View().orbitHeight, 90);
    Tap(View(), 'J', 3);
    EXPECT_EQ(View().orbitHeight, 120);
    Tap(View(), 'K');
    EXPECT_EQ(View().orbitDistance, 310);
    Tap(View(), 'O');
    EXPECT_EQ(View().orbitDistance, 300);
}

TEST_F(MainViewKeys, OrbitDistanceStopsAt50) {
    Tap(View(), 'O', 25);
    EXPECT_EQ(View().orbitDistance, 50);
    Tap(View(), 'O', 5);
    EXPECT_EQ(View().orbitDistance, 50);
}

TEST_F(MainViewKeys, XLaunchesOnPressAndOnRelease) {
    View().OnKeyboard('X', false);
    EXPECT_TRUE(TheLander().running);
    TheLander().running = false;
    View().OnKeyboard('X', true);
    EXPECT_TRUE(TheLander().running);
}

TEST_F(MainViewKeys, ZeroSwapsTheColouredLightsForTheWhiteOnes) {
    Light* lights = App().lights;
    for (int i = 0; i < 3; ++i)
        lights[i].On(); // as the window's creation leaves them
    Tap(View(), '0');
    EXPECT_TRUE(View().lightsSwapped);
    EXPECT_FALSE(lights[0].enabled);
    EXPECT_FALSE(lights[1].enabled);
    EXPECT_TRUE(lights[2].enabled);
    EXPECT_TRUE(lights[3].enabled);
    EXPECT_TRUE(lights[4].enabled);
}

TEST_F(MainViewKeys, ZeroTwiceRestoresTheColouredLights) {
    Light* lights = App().lights;
    Tap(View(), '0', 2);
    EXPECT_FALSE(View().lightsSwapped);
    EXPECT_TRUE(lights[0].enabled);
    EXPECT_TRUE(lights[1].enabled);
    EXPECT_FALSE(lights[3].enabled);
    EXPECT_FALSE(lights[4].enabled);
}

TEST_F(MainViewKeys, DigitsSetTheIntensityOfTheColouredLights) {
    const double levels[4] = {1.0, 0.7, 0.4, 0.1};
    for (int i = 0; i < 4; ++i) {
        Tap(View(), '1' + i);
        EXPECT_EQ(App().lights[0].intensity, levels[i]);
        Tap(View(), '5' + i);
        EXPECT_EQ(App().lights[1].intensity, levels[i]);
    }
    EXPECT_EQ(App().lights[3].intensity, 1.0);
}

TEST_F(MainViewKeys, WCyclesTheMoonsDrawingStyles) {
    Terrain& moon = *App().terrain;
    moon.SetDrawMode(Wire);
    const int expected[5] = {Flat, Smooth, HeightColoured, Wire, Flat};
    for (int mode : expected) {
        Tap(View(), 'W');
        EXPECT_EQ(moon.drawMode, mode);
    }
}

TEST_F(MainViewKeys, MastKeysTurnMastAndHead) {
    const MastKey keys[] = {
        {VK_PRIOR, [](Lander& l) { l.TiltHead(-3); }},
        {VK_NEXT, [](Lander& l) { l.TiltHead(+3); }},
        {VK_LEFT, [](Lander& l) { l.SwivelMast(-3); }},
        {VK_UP, [](Lander& l) { l.TiltMast(+3); }},
        {VK_RIGHT, [](Lander& l) { l.SwivelMast(+3); }},
        {VK_DOWN, [](Lander& l) { l.TiltMast(-3); }},
    };
    auto expected = GameLander();
    for (const MastKey& k : keys) {
        SCOPED_TRACE(k.key);
        Tap(View(), k.key);
        k.operation(*expected);
        ExpectSameMast(TheLander(), *expected);
    }
}

TEST_F(MainViewKeys, UnboundKeysChangeNothing) {
    for (int key : std::initializer_list<int>{'Q', 'Y', VK_SPACE, '9', VK_F12})
        Tap(View(), key);
    EXPECT_EQ(TheLander().engine.power, 5);
    EXPECT_EQ(TheLander().engine.pitch, 0);
    EXPECT_EQ(View().orbitDistance, 300);
    EXPECT_EQ(View().orbitHeight, 100);
    EXPECT_FALSE(TheLander().running);
    EXPECT_FALSE(View().lightsSwapped);
}

TEST(MainViewKeysWithoutScene, KeysThatNeedTheSceneAreIgnored) {
    MainViewWindow view;
    for (int key : std::initializer_list<int>{'A', 'P', 'W', 'X', '0', '3', VK_LEFT, VK_PRIOR})
        Tap(view, key);
    Tap(view, 'K');
    EXPECT_EQ(view.orbitDistance, 310);
    EXPECT_FALSE(view.lightsSwapped);
}
