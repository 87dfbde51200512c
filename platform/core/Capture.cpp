// The mouse capture: while a window holds it, mouse input goes to that window wherever the
// pointer is.
#include "platform/core/Core.h"

using namespace win32;

HWND SetCapture(HWND window) {
    State& s = GetState();
    HWND previous = GetCapture();
    if (!FindWindow(window))
        return previous;
    s.capture = window;
    CaptureNativeMouse(true);
    return previous;
}

BOOL ReleaseCapture() {
    State& s = GetState();
    s.capture = nullptr;
    CaptureNativeMouse(false);
    return TRUE;
}

HWND GetCapture() {
    State& s = GetState();
    return FindWindow(s.capture) ? s.capture : nullptr;
}
