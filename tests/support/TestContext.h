// A hidden window with an OpenGL context made current, for tests that draw or read GL state.
#pragma once

#include "platform/Win32.h"

class TestContext {
  public:
    TestContext(int width = 64, int height = 64);
    ~TestContext();
    TestContext(const TestContext&) = delete;
    TestContext& operator=(const TestContext&) = delete;

    // True when the window, pixel format and context all exist and the context is current.
    bool Ok() const { return ok; }
    HWND Window() const { return window; }
    HDC Dc() const { return dc; }
    HGLRC Context() const { return context; }

  private:
    HWND window = nullptr;
    HDC dc = nullptr;
    HGLRC context = nullptr;
    HGLRC previousContext = nullptr;
    HDC previousDc = nullptr;
    bool ok = false;
};
