// What the page's script calls with a frame's DOM events, straight into the exports (not
// through ccall, which would take the call for the suspended main). Keys become virtual-key
// codes here; keys without one are dropped.
#include "platform/web/PageInput.h"

#include "platform/web/KeyMap.h"
#include "platform/web/Page.h"

#include <emscripten.h>

namespace win32 {

std::deque<PageEvent>& PendingPageEvents() {
    static auto* events = new std::deque<PageEvent>;
    return *events;
}

MouseHit LocateMouse(const PageEvent& e, int captureFrame) {
    MouseHit hit;
    int left = 0, top = 0;
    int frame = captureFrame ? captureFrame : e.frame;
    if (frame && CanvasOrigin(frame, left, top)) {
        hit.frame = frame;
        hit.x = e.x - left;
        hit.y = e.y - top;
    }
    return hit;
}

} // namespace win32

using win32::PageEvent;

namespace {
// A key's code and key text, written by the page before it calls moonhop_page_key.
constexpr int kTextSize = 64;
char keyText[2][kTextSize];

// The page's modifier and button bits.
enum : int { kShift = 1, kControl = 2, kAlt = 4 };
enum : int { kLeft = 1, kRight = 2, kMiddle = 4 };

void SetModifiers(PageEvent& e, int modifiers) {
    e.shift = (modifiers & kShift) != 0;
    e.control = (modifiers & kControl) != 0;
    e.alt = (modifiers & kAlt) != 0;
}
} // namespace

extern "C" {

// Where the page writes a key's code and key, each as UTF-8 of at most kTextSize bytes with
// its terminating zero.
EMSCRIPTEN_KEEPALIVE char* moonhop_page_key_text() {
    return &keyText[0][0];
}

EMSCRIPTEN_KEEPALIVE void moonhop_page_key(int frame, int down, int repeat, int modifiers) {
    keyText[0][kTextSize - 1] = keyText[1][kTextSize - 1] = '\0';
    PageEvent e;
    e.type = down ? PageEvent::Type::KeyDown : PageEvent::Type::KeyUp;
    e.frame = frame;
    e.virtualKey = win32::VirtualKeyFromDom(keyText[0], keyText[1]);
    if (e.virtualKey == 0)
        return;
    e.repeat = down && repeat;
    SetModifiers(e, modifiers);
    win32::PendingPageEvents().push_back(e);
}

// kind: 0 motion, 1 a button pressed, 2 a button released; frame: the one under the pointer
// (0: none); x, y: on the desk. buttons: those held afterwards.
EMSCRIPTEN_KEEPALIVE void moonhop_page_mouse(int frame, int kind, int button, int x, int y,
                                             int buttons, int modifiers) {
    if (kind < 0 || kind > 2 || button < 0 || button > 2)
        return;
    PageEvent e;
    e.type = kind == 0   ? PageEvent::Type::MouseMove
             : kind == 1 ? PageEvent::Type::ButtonDown
                         : PageEvent::Type::ButtonUp;
    e.frame = frame;
    e.button = button;
    e.x = x;
    e.y = y;
    e.left = (buttons & kLeft) != 0;
    e.right = (buttons & kRight) != 0;
    e.middle = (buttons & kMiddle) != 0;
    SetModifiers(e, modifiers);
    win32::PendingPageEvents().push_back(e);
}

EMSCRIPTEN_KEEPALIVE void moonhop_page_close(int frame) {
    PageEvent e;
    e.type = PageEvent::Type::Close;
    e.frame = frame;
    win32::PendingPageEvents().push_back(e);
}

} // extern "C"
