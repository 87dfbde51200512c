// Window procedures: calling them, the default procedure, and the long values a window keeps.
#include "platform/core/Core.h"

namespace win32 {

LRESULT CallProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = FindWindow(window);
    if (!w || !w->proc)
        return 0;
    return w->proc(window, message, wParam, lParam);
}

} // namespace win32

using namespace win32;

LONG_PTR GetWindowLongPtrA(HWND window, int index) {
    Window* w = FindWindow(window);
    if (!w)
        return 0;
    switch (index) {
    case GWL_STYLE:
        return static_cast<LONG_PTR>(w->style | (w->visible ? WS_VISIBLE : 0));
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(w->exStyle);
    case GWLP_USERDATA:
        return w->userData;
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    Window* w = FindWindow(window);
    if (!w)
        return 0;
    LONG_PTR previous = GetWindowLongPtrA(window, index);
    switch (index) {
    case GWL_STYLE:
        w->style = static_cast<DWORD>(value) & ~static_cast<DWORD>(WS_VISIBLE);
        break;
    case GWL_EXSTYLE:
        w->exStyle = static_cast<DWORD>(value);
        break;
    case GWLP_USERDATA:
        w->userData = value;
        break;
    case GWLP_WNDPROC:
        if (!value)
            return 0;
        w->proc = reinterpret_cast<WNDPROC>(value);
        break;
    default:
        return 0;
    }
    return previous;
}

// The 32-bit forms keep Windows' truncation: a pointer needs the pointer-sized forms.
LONG GetWindowLongA(HWND window, int index) {
    if (index == GWLP_WNDPROC)
        return 0;
    return static_cast<LONG>(GetWindowLongPtrA(window, index));
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM lParam) {
    Window* w = FindWindow(window);
    if (!w)
        return 0;
    switch (message) {
    case WM_NCCREATE:
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_PAINT:
        w->needsPaint = false;
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            WindowClass* c = FindClass(w->className.c_str());
            if (c && c->wc.hCursor)
                SetCursor(c->wc.hCursor);
            return TRUE;
        }
        return FALSE;
    default:
        return 0;
    }
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallProc(window, message, wParam, lParam);
}