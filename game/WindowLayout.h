// How the game's two windows present themselves: titles, client sizes and where they open on
// the screen. The application opens both windows so, and the camera window switches between
// its two views with them.
#pragma once

// A title and a client area.
struct WindowLook {
    const char* title;
    int width;
    int height;
};

// The screen position of a window's outer frame.
struct ScreenPoint {
    int x;
    int y;
};

constexpr WindowLook kMainViewLook = {"Tavrilo : Vesk View - Pellimar", 670, 400};
constexpr ScreenPoint kMainViewPlace = {10, 10};

// The camera window opens riding on the mast; space switches it to the top view and back.
constexpr WindowLook kRidingViewLook = {"Tavrilo : Vesk Cam - Pellimar", 580, 300};
constexpr WindowLook kTopViewLook = {"Tavrilo : Vesk Top View - Pellimar", 400, 400};
constexpr ScreenPoint kCamWindowPlace = {600, 380};
