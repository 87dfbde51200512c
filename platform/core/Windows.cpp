// Windows: creating and destroying them, showing, placing and sizing them, and their titles.
#include "platform/core/Core.h"

#include <algorithm>
#include <cstring>

using namespace win32;

namespace {
void SendSize(Window& w) {
    CallProc(w.handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w.width, w.height));
}
} // namespace

win32::Window::~Window() {
    DestroyNativeWindow(*this);
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
    WindowClass* c = FindClass(className);
    if (!c || (parent && !FindWindow(parent)))
        return nullptr;
    if (!EnsureDisplay())
        return nullptr;
    State& s = GetState();
    auto owned = std::make_unique<Window>();
    Window* w = owned.get();
    w->proc = c->wc.lpfnWndProc;
    w->className = c->name;
    w->title = title ? title : "";
    w->style = style & ~static_cast<DWORD>(WS_VISIBLE);
    w->exStyle = exStyle;
    // Default placement cascades a little, as Windows does. As on Windows, only x and width are
    // tested for CW_USEDEFAULT: y and height follow what those two tests decide.
    int defaults = static_cast<int>(s.windows.size() % 8) * 26;
    w->x = x == CW_USEDEFAULT ? 40 + defaults : x;
    w->y = x == CW_USEDEFAULT ? 40 + defaults : y;
    w->width = width == CW_USEDEFAULT ? 640 : std::max(width, 0);
    w->height = width == CW_USEDEFAULT ? 480 : std::max(height, 0);
    HWND h = static_cast<HWND>(AddObject(std::move(owned)));
    w->handle = h;
    auto dc = std::make_unique<Dc>(Kind::WindowDc);
    dc->window = h;
    w->dc = static_cast<HDC>(AddObject(std::move(dc)));
    s.windows.push_back(h);

    CREATESTRUCTA cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.cx = w->width;
    cs.cy = w->height;
    cs.x = w->x;
    cs.y = w->y;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = title;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    LPARAM lp = reinterpret_cast<LPARAM>(&cs);
    if (!CallProc(h, WM_NCCREATE, 0, lp) || CallProc(h, WM_CREATE, 0, lp) == -1) {
        DestroyWindow(h);
        return nullptr;
    }
    if (!FindWindow(h)) // destroyed by its own procedure
        return nullptr;
    // As on Windows, an overlapped window hears its first size when it is first shown.
    if (style & (WS_POPUP | WS_CHILD))
        SendSize(*w);
    else
        w->needsSize = true;
    if (FindWindow(h) && (style & WS_VISIBLE))
        ShowWindow(h, SW_SHOW);
    return FindWindow(h) ? h : nullptr;
}

BOOL DestroyWindow(HWND window) {
    Window* w = FindWindow(window);
    if (!w || w->destroying)
        return FALSE;
    State& s = GetState();
    w->destroying = true;
    if (s.capture == window)
        ReleaseCapture();
    CallProc(window, WM_DESTROY, 0, 0);
    CallProc(window, WM_NCDESTROY, 0, 0);
    // A context must not stay bound to a native window that is about to disappear.
    if (s.currentDc == w->dc)
        MakeNoContextCurrent();
    // Input still queued for the window goes with it.
    auto forThisWindow = [window](const MSG& m) { return m.hwnd == window; };
    s.input.erase(std::remove_if(s.input.begin(), s.input.end(), forThisWindow), s.input.end());
    s.windows.erase(std::remove(s.windows.begin(), s.windows.end(), window), s.windows.end());
    RemoveObject(w->dc);
    RemoveObject(window);
    return TRUE;
}

BOOL IsWindow(HWND window) {
    return FindWindow(window) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
    Window* w = FindWindow(window);
    return w && w->visible ? TRUE : FALSE;
}

BOOL ShowWindow(HWND window, int command) {
    Window* w = FindWindow(window);
    if (!w)
        return FALSE;
    BOOL wasVisible = w->visible ? TRUE : FALSE;
    if (command == SW_HIDE) {
        if (w->native)
            HideNativeWindow(*w);
        w->visible = false;
        return wasVisible;
    }
    if (!w->native && !CreateNativeWindow(*w, w->pixelFormat))
        return wasVisible;
    ShowNativeWindow(*w);
    w->visible = true;
    w->needsPaint = true;
    if (w->needsSize) {
        w->needsSize = false;
        SendSize(*w);
    }
    return wasVisible;
}

BOOL SetWindowPos(HWND window, HWND, int x, int y, int cx, int cy, UINT flags) {
    Window* w = FindWindow(window);
    if (!w)
        return FALSE;
    if (!(flags & SWP_NOMOVE)) {
        w->x = x;
        w->y = y;
        if (w->native)
            MoveNativeWindow(*w);
    }
    if (!(flags & SWP_NOSIZE)) {
        cx = std::max(cx, 0);
        cy = std::max(cy, 0);
        if (cx != w->width || cy != w->height) {
            w->width = cx;
            w->height = cy;
            if (w->native)
                ResizeNativeWindow(*w);
            SendSize(*w);
        }
    }
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(window, SW_SHOW);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(window, SW_HIDE);
    return TRUE;
}

BOOL GetWindowRect(HWND window, LPRECT rect) {
    Window* w = FindWindow(window);
    if (!w || !rect)
        return FALSE;
    if (w->native)
        ReadNativePosition(*w);
    rect->left = w->x;
    rect->top = w->y;
    rect->right = w->x + w->width;
    rect->bottom = w->y + w->height;
    return TRUE;
}

BOOL GetClientRect(HWND window, LPRECT rect) {
    Window* w = FindWindow(window);
    if (!w || !rect)
        return FALSE;
    rect->left = 0;
    rect->top = 0;
    rect->right = w->width;
    rect->bottom = w->height;
    return TRUE;
}

BOOL AdjustWindowRect(LPRECT rect, DWORD, BOOL) {
    // A window's size is its client area's: the frame belongs to the native window system.
    return rect ? TRUE : FALSE;
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
    Window* w = FindWindow(window);
    if (!w)
        return FALSE;
    w->title = text ? text : "";
    if (w->native)
        RetitleNativeWindow(*w);
    return TRUE;
}

int GetWindowTextA(HWND window, LPSTR text, int size) {
    Window* w = FindWindow(window);
    if (!w || !text || size <= 0)
        return 0;
    int n = std::min(static_cast<int>(w->title.size()), size - 1);
    std::memcpy(text, w->title.data(), static_cast<size_t>(n));
    text[n] = '\0';
    return n;
}
