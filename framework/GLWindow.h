// A top-level window with its own device context and OpenGL context. Programs derive from
// GLWindow and override the event operations; construction only records the request, and the
// host creates the platform window when it runs.
#pragma once

#include "platform/Win32.h"

#include <string>

class GLWindow;

// The buttons OnMouseButton reports.
enum MouseButton { LeftButton = 0, MiddleButton = 1, RightButton = 2 };

// The window's private platform record.
class GLWindowExtra {
  public:
    // Posted to itself when the window is created; the loop delivers it once every window of the
    // list exists, and it runs OnCreate.
    static constexpr UINT kDeferredCreateMessage = WM_USER + 1;

    explicit GLWindowExtra(GLWindow* owner);
    virtual ~GLWindowExtra();
    GLWindowExtra(const GLWindowExtra&) = delete;
    GLWindowExtra& operator=(const GLWindowExtra&) = delete;

    bool Create();
    void Destroy();
    bool Recreate();
    // Enter (true) saves the current context on the process-wide stack and makes this
    // window's current; leave (false) restores what was current before the matching enter.
    bool MakeCurrent(bool enter);
    bool ApplyPixelFormat();
    bool HasWindow() const { return window != nullptr; }
    // Handles one message for this window (the window procedure's second half).
    LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    GLWindow* owner;
    HWND window = nullptr;
    HDC deviceContext = nullptr;
    HGLRC glContext = nullptr;
    HPALETTE palette = nullptr;
    HPALETTE previousPalette = nullptr;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = 320;
    int height = 240;
    int colourBits = 24;
    int depthBits = 32;
    int stencilBits = 0;
    int alphaBits = 0;
    int accumBits = 0;
    std::string title = "OpenGL";
    bool cursorInFrame = false;
    bool inOnCreate = false;
    HCURSOR cursor;

  private:
    void SetUpPalette();
    void DeferredCreate();
};

class GLWindow {
  public:
    GLWindow();
    virtual ~GLWindow();
    GLWindow(const GLWindow&) = delete;
    GLWindow& operator=(const GLWindow&) = delete;

    virtual void OnCreate() {}
    virtual void OnDestroy() {}
    virtual void OnDisplay();
    virtual void OnResize(int width, int height);
    virtual void OnMouseButton(int /*button*/, bool /*pressed*/) {}
    virtual void OnMouseMove(int /*x*/, int /*y*/) {}
    virtual void OnKeyboard(int /*key*/, bool /*pressed*/) {}
    virtual void OnIdle() {}

    void SwapBuffers();
    void Redraw();
    void SetSize(int width, int height);
    void SetPosition(int x, int y);
    int Width() const;
    int Height() const;
    int DepthBits() const;
    bool SetDepthBits(int bits);
    bool SetTitle(const char* text);
    void MakeMainWindow();

    GLWindowExtra* extra = nullptr;
};

// The window procedure of the framework's window class.
LRESULT CALLBACK GLWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The fixed 256-entry logical palette used by formats that need one.
const LOGPALETTE* FixedLogicalPalette();

// Depth of the process-wide context stack (for tests and diagnostics).
int ContextStackDepth();
