// Input from SDL arrives as Windows messages: virtual keys, repeats, system keys, the mouse,
// capture and closing.
#include "platform/Win32.h"
#include "platform/sdl/Internal.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<MSG> received;

LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m != WM_PAINT && m != WM_SETCURSOR && m != WM_SIZE)
        received.push_back(MSG{h, m, w, l, 0, {0, 0}});
    return DefWindowProcA(h, m, w, l);
}

struct SdlInput : ::testing::Test {
    HWND h = nullptr;
    Uint32 id = 0;
    void SetUp() override {
        static bool registered = false;
        if (!registered) {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = Proc;
            wc.lpszClassName = "SdlInputTest";
            registered = RegisterClassA(&wc) != 0;
        }
        h = CreateWindowExA(0, "SdlInputTest", "", WS_OVERLAPPEDWINDOW, 20, 20, 200, 100, nullptr,
                            nullptr, nullptr, nullptr);
        ASSERT_NE(h, nullptr);
        ShowWindow(h, SW_SHOW);
        id = win32::FindWindow(h)->nativeId;
        Drain();
        received.clear();
    }
    void TearDown() override {
        ReleaseCapture();
        DestroyWindow(h);
    }
    static void Drain() {
        MSG m;
        SDL_PumpEvents();
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE) && m.message != WM_PAINT)
            DispatchMessageA(&m);
        PAINTSTRUCT ps;
        (void)ps;
    }
    void Key(SDL_Keycode sym, bool down, bool repeat = false, Uint16 mod = 0) {
        SDL_Event e = {};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.windowID = id;
        e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        e.key.repeat = repeat;
        e.key.keysym.sym = sym;
        e.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
        e.key.keysym.mod = mod;
        SDL_PushEvent(&e);
    }
};
} // namespace

TEST(SdlInputKeyMap, SdlKeysBecomeWindowsVirtualKeys) {
    using win32::VirtualKeyFromSdl;
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_a), 0x41);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_z), 0x5A);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_0), 0x30);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_9), 0x39);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_LSHIFT), 0x10);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RSHIFT), 0x10);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_PAGEUP), 0x21);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_PAGEDOWN), 0x22);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_LEFT), 0x25);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_UP), 0x26);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RIGHT), 0x27);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_DOWN), 0x28);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_SPACE), 0x20);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_0), 0x60);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_1), 0x61);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_9), 0x69);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_MULTIPLY), 0x6A);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_PLUS), 0x6B);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_MINUS), 0x6D);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_DIVIDE), 0x6F);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F1), 0x70);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F12), 0x7B);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_UNKNOWN), 0);
}

TEST_F(SdlInput, HeldKeyRepeatsAndEndsWithOneRelease) {
    Key(SDLK_x, true);
    Key(SDLK_x, true, true);
    Key(SDLK_x, true, true);
    Key(SDLK_x, false);
    Drain();
    ASSERT_EQ(received.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(received[i].message, (UINT)WM_KEYDOWN);
        EXPECT_EQ(received[i].wParam, (WPARAM)'X');
        EXPECT_EQ((received[i].lParam >> 30) & 1, i > 0 ? 1 : 0); // previous key state
    }
    EXPECT_EQ(received[3].message, (UINT)WM_KEYUP);
}

TEST_F(SdlInput, F10AndAltKeysAreSystemKeys) {
    Key(SDLK_F10, true);
    Key(SDLK_F10, false);
    Key(SDLK_x, true, false, KMOD_LALT);
    Drain();
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].message, (UINT)WM_SYSKEYDOWN);
    EXPECT_EQ(received[1].message, (UINT)WM_SYSKEYUP);
    EXPECT_EQ(received[2].message, (UINT)WM_SYSKEYDOWN);
}

TEST_F(SdlInput, MouseArrivesInClientCoordinates) {
    SDL_Event e = {};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = id;
    e.motion.x = 7;
    e.motion.y = 99;
    SDL_PushEvent(&e);
    e = {};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.windowID = id;
    e.button.button = SDL_BUTTON_RIGHT;
    e.button.x = 3;
    e.button.y = 4;
    SDL_PushEvent(&e);
    Drain();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].message, (UINT)WM_MOUSEMOVE);
    EXPECT_EQ(GET_X_LPARAM(received[0].lParam), 7);
    EXPECT_EQ(GET_Y_LPARAM(received[0].lParam), 99);
    EXPECT_EQ(received[1].message, (UINT)WM_RBUTTONDOWN);
    EXPECT_EQ(GET_Y_LPARAM(received[1].lParam), 4);
}

TEST_F(SdlInput, ClosingFromTheDesktopSendsCloseWhichDestroys) {
    SDL_Event e = {};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_CLOSE;
    e.window.windowID = id;
    SDL_PushEvent(&e);
    Drain();
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received[0].message, (UINT)WM_CLOSE);
    EXPECT_EQ(received[0].wParam, 0u);
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(SdlInput, CaptureIsTrackedUntilReleased) {
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(SetCapture(h), nullptr);
    EXPECT_EQ(GetCapture(), h);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    SetCapture(h);
    DestroyWindow(h);
    EXPECT_EQ(GetCapture(), nullptr);
}

// The keypad is read by physical key, whatever symbol the layout gives it, and sends what
// Windows sends for the Num Lock state: the VK_NUMPAD codes with it on, the navigation codes
// printed under the digits with it off. The operators are the same either way.
TEST_F(SdlInput, KeypadFollowsThePhysicalKeyAndNumLock) {
    struct Case {
        SDL_Scancode key;
        WPARAM numLockOn;
        WPARAM numLockOff;
    };
    const Case cases[] = {
        {SDL_SCANCODE_KP_0, 0x60, VK_INSERT},      {SDL_SCANCODE_KP_1, 0x61, VK_END},
        {SDL_SCANCODE_KP_2, 0x62, VK_DOWN},        {SDL_SCANCODE_KP_3, 0x63, VK_NEXT},
        {SDL_SCANCODE_KP_4, 0x64, VK_LEFT},        {SDL_SCANCODE_KP_5, 0x65, 0x0C},
        {SDL_SCANCODE_KP_6, 0x66, VK_RIGHT},       {SDL_SCANCODE_KP_7, 0x67, VK_HOME},
        {SDL_SCANCODE_KP_8, 0x68, VK_UP},          {SDL_SCANCODE_KP_9, 0x69, VK_PRIOR},
        {SDL_SCANCODE_KP_PERIOD, 0x6E, VK_DELETE}, {SDL_SCANCODE_KP_MULTIPLY, 0x6A, 0x6A},
        {SDL_SCANCODE_KP_PLUS, 0x6B, 0x6B},        {SDL_SCANCODE_KP_MINUS, 0x6D, 0x6D},
        {SDL_SCANCODE_KP_DIVIDE, 0x6F, 0x6F},
    };
    for (const Case& c : cases) {
        for (bool numLock : {true, false}) {
            SDL_Event e = {};
            e.type = SDL_KEYDOWN;
            e.key.windowID = id;
            e.key.keysym.scancode = c.key;
            // What a layout may make of the key: an unrelated symbol must not matter.
            e.key.keysym.sym = SDLK_END;
            e.key.keysym.mod = numLock ? KMOD_NUM : KMOD_NONE;
            SDL_PushEvent(&e);
            received.clear();
            Drain();
            ASSERT_EQ(received.size(), 1u) << SDL_GetScancodeName(c.key);
            EXPECT_EQ(received[0].wParam, numLock ? c.numLockOn : c.numLockOff)
                << SDL_GetScancodeName(c.key) << (numLock ? " with" : " without") << " Num Lock";
        }
    }
}
