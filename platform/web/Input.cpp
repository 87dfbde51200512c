// The browser's turn and the page's input. The program's loop never blocks, so the queue gives
// the browser its turn here: once every shown window has presented its frame, the next look at
// the queue waits for the browser's next animation frame, which shows them. The simulation so
// steps once per displayed frame, as on a desktop with vertical sync. Then the DOM events the
// page handed over meanwhile become messages for the window they concern (mouse input for the
// window holding the capture), one by one as the program reads them.
#include "platform/web/Internal.h"
#include "platform/web/Page.h"
#include "platform/web/PageInput.h"

#include <emscripten.h>

using namespace win32;

namespace {
// A program that draws nothing for this long still lets the browser have its turn.
constexpr double kLongestTurnless = 250;

bool AllShownWindowsPresented() {
    for (HWND h : GetState().windows) {
        Window* w = FindWindow(h);
        if (w && w->visible && FrameOf(*w) && !FrameOf(*w)->presented)
            return false;
    }
    return true;
}

void GiveBrowserItsTurn() {
    WaitForNextFrame();
    WebState& web = GetWebState();
    web.lastTurn = emscripten_get_now();
    web.roundOver = false;
    for (HWND h : GetState().windows)
        if (Window* w = FindWindow(h); w && FrameOf(*w))
            FrameOf(*w)->presented = false;
}

WPARAM ButtonFlags(const PageEvent& e) {
    WPARAM flags = 0;
    if (e.left)
        flags |= MK_LBUTTON;
    if (e.middle)
        flags |= MK_MBUTTON;
    if (e.right)
        flags |= MK_RBUTTON;
    if (e.shift)
        flags |= MK_SHIFT;
    if (e.control)
        flags |= MK_CONTROL;
    return flags;
}

void Translate(const PageEvent& e) {
    using Type = PageEvent::Type;
    if (e.type == Type::KeyDown || e.type == Type::KeyUp || e.type == Type::Close) {
        Window* w = FindWindowByNativeId(static_cast<std::uint32_t>(e.frame));
        if (!w)
            return;
        if (e.type == Type::Close)
            QueueInput(w->handle, WM_CLOSE, 0, 0);
        else
            QueueKey(w->handle, e.virtualKey, e.type == Type::KeyDown, e.repeat, e.alt, 0);
        return;
    }
    GetWebState().pointer = POINT{e.x, e.y};
    Window* captured = FindWindow(GetCapture());
    int captureFrame = captured && FrameOf(*captured) ? FrameOf(*captured)->id : 0;
    MouseHit hit = LocateMouse(e, captureFrame);
    Window* w = FindWindowByNativeId(static_cast<std::uint32_t>(hit.frame));
    if (!w)
        return;
    int button = e.type == Type::MouseMove ? -1 : e.button;
    QueueMouse(w->handle, button, e.type == Type::ButtonDown, ButtonFlags(e), hit.x, hit.y);
}
} // namespace

namespace win32 {

void PumpNativeEvents() {
    WebState& web = GetWebState();
    if (AllShownWindowsPresented() || web.roundOver ||
        emscripten_get_now() - web.lastTurn > kLongestTurnless)
        GiveBrowserItsTurn();
    // One event at a time, once the program has taken what came before: as on Windows, where a
    // mouse event goes depends on the capture when it is read, and the button that came before
    // may have just set or released it.
    auto& events = PendingPageEvents();
    while (!events.empty() && GetState().input.empty()) {
        PageEvent e = events.front();
        events.pop_front();
        Translate(e);
    }
}

} // namespace win32
