// A program for testing the browser backend on its own: two windows, each with its pixel
// format and rendering context, drawn by a loop that never blocks, as the framework's does. It
// prints every input message it gets, in the words the page test reads, and answers as the
// game's windows do: a pressed button captures the mouse and any release frees it, T in the
// second window retitles and resizes it, closing the second window hides it, closing the first
// ends the program with status 0. Its exit handler destroys what is left, as the game's do.
// It first prints its arguments, one a line, and what the picture loaders make of a file of
// each kind.
#include "platform/Win32.h"
#include "tests/web/probe/Draw.h"
#include "tests/web/probe/Pictures.h"

#include <cstdio>
#include <cstdlib>

namespace {
struct Probe {
    const char* title;
    int x, y, width, height;
    HWND window = nullptr;
    HGLRC context = nullptr;
};

Probe probes[] = {{"Probe One", 10, 10, 320, 200}, {"Probe Two", 400, 120, 240, 160}};

int Index(HWND window) {
    for (int i = 0; i < 2; ++i)
        if (probes[i].window == window)
            return i;
    return -1;
}

const char* Name(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
        return "WM_KEYDOWN";
    case WM_KEYUP:
        return "WM_KEYUP";
    case WM_SYSKEYDOWN:
        return "WM_SYSKEYDOWN";
    case WM_SYSKEYUP:
        return "WM_SYSKEYUP";
    case WM_MOUSEMOVE:
        return "WM_MOUSEMOVE";
    case WM_LBUTTONDOWN:
        return "WM_LBUTTONDOWN";
    case WM_LBUTTONUP:
        return "WM_LBUTTONUP";
    case WM_RBUTTONDOWN:
        return "WM_RBUTTONDOWN";
    case WM_RBUTTONUP:
        return "WM_RBUTTONUP";
    case WM_MBUTTONDOWN:
        return "WM_MBUTTONDOWN";
    default:
        return "WM_MBUTTONUP";
    }
}

void Paint(int i) {
    Probe& p = probes[i];
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(p.window, &ps);
    if (wglMakeCurrent(dc, p.context)) {
        RECT r;
        GetClientRect(p.window, &r);
        if (i == 0)
            DrawShaded(i, r.right, r.bottom);
        else
            DrawFlat(r.right, r.bottom);
        SwapBuffers(dc);
        wglMakeCurrent(nullptr, nullptr);
    }
    EndPaint(p.window, &ps);
}

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int i = Index(window);
    const int n = i + 1;
    switch (message) {
    case WM_PAINT:
        if (i >= 0)
            Paint(i);
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP: {
        bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
        bool repeat = down && (lParam & (1 << 30));
        std::printf("window %d %s 0x%02X%s\n", n, Name(message), static_cast<unsigned>(wParam),
                    repeat ? " repeat" : "");
        if (message == WM_KEYDOWN && !repeat && n == 2 && wParam == 'T') {
            SetWindowTextA(window, "Probe Two Retitled");
            SetWindowPos(window, nullptr, 0, 0, 200, 200, SWP_NOMOVE | SWP_NOZORDER);
        }
        return 0;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        std::printf("window %d %s %d,%d holding%s%s%s\n", n, Name(message), GET_X_LPARAM(lParam),
                    GET_Y_LPARAM(lParam), wParam & MK_LBUTTON ? " left" : "",
                    wParam & MK_MBUTTON ? " middle" : "", wParam & MK_RBUTTON ? " right" : "");
        if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN)
            SetCapture(window);
        else if (message != WM_MOUSEMOVE)
            ReleaseCapture();
        return 0;
    case WM_CLOSE:
        std::printf("window %d WM_CLOSE\n", n);
        if (n == 2) {
            ShowWindow(window, SW_HIDE);
            return 0;
        }
        PostQuitMessage(0);
        break;
    case WM_DESTROY:
        probes[i].window = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool Create(Probe& p) {
    p.window = CreateWindowExA(0, "WindowProbe", p.title, WS_OVERLAPPEDWINDOW, p.x, p.y, p.width,
                               p.height, nullptr, nullptr, nullptr, nullptr);
    if (!p.window)
        return false;
    HDC dc = GetDC(p.window);
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 24;
    pfd.cDepthBits = 24;
    int format = ChoosePixelFormat(dc, &pfd);
    if (!format || !SetPixelFormat(dc, format, &pfd))
        return false;
    p.context = wglCreateContext(dc);
    return p.context != nullptr;
}

// Runs while the runtime exits: the browser must not get a turn from here, so a look at the
// queue returns at once.
void AtExit() {
    MSG m;
    PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);
    for (Probe& p : probes) {
        if (p.context)
            wglDeleteContext(p.context);
        if (p.window)
            DestroyWindow(p.window);
    }
    std::printf("exit handlers ran\n");
}
} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        std::printf("argument %d: %s\n", i, argv[i]);
    ReportPictures();
    std::atexit(AtExit);
    WNDCLASSA wc = {};
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = Proc;
    wc.lpszClassName = "WindowProbe";
    if (!RegisterClassA(&wc))
        return 2;
    for (Probe& p : probes)
        if (!Create(p)) {
            std::printf("%s: no window or context\n", p.title);
            return 3;
        }
    for (Probe& p : probes)
        ShowWindow(p.window, SW_SHOW);
    bool first = true;
    MSG m;
    for (;;) {
        if (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (m.message == WM_QUIT)
                return static_cast<int>(m.wParam);
            DispatchMessageA(&m);
            continue;
        }
        if (first)
            std::printf("probe drew its first frame\n");
        first = false;
        for (Probe& p : probes)
            if (p.window)
                InvalidateRect(p.window, nullptr, FALSE);
    }
}
