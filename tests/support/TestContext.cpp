#include "tests/support/TestContext.h"

#include <cstring>

namespace {
LRESULT CALLBACK TestWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(w, m, wp, lp);
}

const char* TestClassName() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc;
        std::memset(&wc, 0, sizeof wc);
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = TestWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "MoonhopTestWnd";
        registered = RegisterClassA(&wc) != 0;
    }
    return "MoonhopTestWnd";
}
} // namespace

TestContext::TestContext(int width, int height) {
    previousContext = wglGetCurrentContext();
    previousDc = wglGetCurrentDC();
    // The size asked for is the client area's; windows are created by their outer size.
    RECT outer = {0, 0, width, height};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
    window = CreateWindowExA(0, TestClassName(), "test", WS_OVERLAPPEDWINDOW, 0, 0,
                             outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    if (!window)
        return;
    dc = GetDC(window);
    PIXELFORMATDESCRIPTOR pfd;
    std::memset(&pfd, 0, sizeof pfd);
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 24;
    pfd.cDepthBits = 24;
    pfd.iLayerType = PFD_MAIN_PLANE;
    int format = ChoosePixelFormat(dc, &pfd);
    if (format == 0 || !SetPixelFormat(dc, format, &pfd))
        return;
    context = wglCreateContext(dc);
    if (!context)
        return;
    ok = wglMakeCurrent(dc, context) != 0;
}

TestContext::~TestContext() {
    if (context) {
        if (wglGetCurrentContext() == context)
            wglMakeCurrent(previousDc, previousContext);
        wglDeleteContext(context);
    }
    if (window)
        DestroyWindow(window);
}
