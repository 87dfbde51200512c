// The page's frames behind windows: made hidden at the window's place and size, and shown,
// placed, sized, titled and presented as the core asks; the cursor over them, and the mouse
// capture. A window shown comes to the front of the keys, as a newly shown desktop window
// does.
#include "platform/web/Internal.h"
#include "platform/web/Page.h"

#include "gl11/Gl.h"

#include <algorithm>

namespace win32 {

bool CreateNativeWindow(Window& w, int) {
    auto* frame = new Frame;
    frame->id = GetWebState().nextFrame++;
    CreateFrame(frame->id, w.title.c_str(), w.x, w.y, std::max(w.width, 1), std::max(w.height, 1));
    w.native = frame;
    w.nativeId = static_cast<std::uint32_t>(frame->id);
    return true;
}

void DestroyNativeWindow(Window& w) {
    Frame* frame = FrameOf(w);
    if (!frame)
        return;
    DestroyFrame(frame->id);
    delete frame;
    w.native = nullptr;
    w.nativeId = 0;
}

void ShowNativeWindow(Window& w) {
    ShowFrame(FrameOf(w)->id, true);
    FocusFrame(FrameOf(w)->id);
}

void HideNativeWindow(Window& w) {
    ShowFrame(FrameOf(w)->id, false);
}

void MoveNativeWindow(Window& w) {
    PlaceFrame(FrameOf(w)->id, w.x, w.y, std::max(w.width, 1), std::max(w.height, 1));
}

void ResizeNativeWindow(Window& w) {
    MoveNativeWindow(w);
}

void RetitleNativeWindow(Window& w) {
    SetFrameTitle(FrameOf(w)->id, w.title.c_str());
}

void ReadNativePosition(Window&) {
    // Frames stay where the program put them: nobody drags them.
}

// The browser shows what was drawn when it next has its turn; the message queue gives it that
// turn once every shown window has presented (Input.cpp).
void PresentNativeWindow(Window& w) {
    gl11::FlushPending();
    Frame* frame = FrameOf(w);
    if (frame->presented)
        GetWebState().roundOver = true;
    frame->presented = true;
    FramePresented(frame->id);
}

void ShowNativeCursor(bool shown) {
    ShowCursor(shown);
}

void CaptureNativeMouse(bool) {
    // The page hands over every mouse event on it, inside the frames or not; the queue sends
    // them to the window holding the capture.
}

} // namespace win32
