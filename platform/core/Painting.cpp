// Painting: a window's update region, which is either empty or the whole client area.
#include "platform/core/Core.h"

#include <cstring>

using namespace win32;

// As on Windows, a hidden window gathers no update region: showing it marks it whole.
BOOL InvalidateRect(HWND window, const RECT*, BOOL) {
    State& s = GetState();
    if (!window) {
        for (HWND h : s.windows)
            if (Window* w = FindWindow(h); w && w->visible)
                w->needsPaint = true;
        return TRUE;
    }
    Window* w = FindWindow(window);
    if (!w)
        return FALSE;
    if (w->visible)
        w->needsPaint = true;
    return TRUE;
}

BOOL GetUpdateRect(HWND window, LPRECT rect, BOOL) {
    Window* w = FindWindow(window);
    if (!w)
        return FALSE;
    bool dirty = w->needsPaint && w->width > 0 && w->height > 0;
    if (rect) {
        rect->left = rect->top = 0;
        rect->right = dirty ? w->width : 0;
        rect->bottom = dirty ? w->height : 0;
    }
    return dirty ? TRUE : FALSE;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    Window* w = FindWindow(window);
    if (!w || !paint)
        return nullptr;
    std::memset(paint, 0, sizeof *paint);
    paint->hdc = w->dc;
    if (w->needsPaint) {
        paint->rcPaint.right = w->width;
        paint->rcPaint.bottom = w->height;
    }
    w->needsPaint = false;
    return w->dc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    return FindWindow(window) && paint ? TRUE : FALSE;
}
