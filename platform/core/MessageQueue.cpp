// The thread's one message queue: posted messages first, then input and window events from
// the backend, then the quit message, then painting. PeekMessageA never blocks.
#include "platform/core/Core.h"

#include <algorithm>

using namespace win32;

namespace {
bool Matches(const MSG& m, HWND window, UINT low, UINT high) {
    if (window && m.hwnd != window)
        return false;
    if (low == 0 && high == 0)
        return true;
    return m.message >= low && m.message <= high;
}

bool Take(std::deque<MSG>& queue, LPMSG msg, HWND window, UINT low, UINT high, bool remove) {
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (!Matches(*it, window, low, high))
            continue;
        *msg = *it;
        if (remove)
            queue.erase(it);
        return true;
    }
    return false;
}

MSG MakeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG m{};
    m.hwnd = window;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = MessageTime();
    m.pt = NativeCursorPosition();
    return m;
}
} // namespace

namespace win32 {

void QueueInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    GetState().input.push_back(MakeMessage(window, message, wParam, lParam));
}

} // namespace win32

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window && !FindWindow(window))
        return FALSE;
    GetState().posted.push_back(MakeMessage(window, message, wParam, lParam));
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    State& s = GetState();
    s.quitPosted = true;
    s.quitCode = exitCode;
}

BOOL PeekMessageA(LPMSG msg, HWND window, UINT low, UINT high, UINT remove) {
    if (!msg || (window && !FindWindow(window)))
        return FALSE;
    State& s = GetState();
    bool take = (remove & PM_REMOVE) != 0;
    if (Take(s.posted, msg, window, low, high, take))
        return TRUE;
    PumpNativeEvents();
    if (Take(s.input, msg, window, low, high, take)) {
        // Windows asks the window for its cursor as the mouse moves over the client area.
        if (take && msg->message == WM_MOUSEMOVE && !GetCapture())
            CallProc(msg->hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(msg->hwnd),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return TRUE;
    }
    if (s.quitPosted && !window &&
        Matches(MakeMessage(nullptr, WM_QUIT, 0, 0), nullptr, low, high)) {
        *msg = MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(s.quitCode), 0);
        if (take)
            s.quitPosted = false;
        return TRUE;
    }
    for (HWND h : s.windows) {
        Window* w = FindWindow(h);
        if (!w || !w->visible || !w->needsPaint || w->width <= 0 || w->height <= 0)
            continue;
        MSG paint = MakeMessage(h, WM_PAINT, 0, 0);
        if (!Matches(paint, window, low, high))
            continue;
        *msg = paint; // stays pending until the window is validated
        return TRUE;
    }
    return FALSE;
}

BOOL TranslateMessage(const MSG* msg) {
    // Character messages are not produced: nothing here reads them.
    return msg && (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) ? TRUE : FALSE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (!msg || !msg->hwnd)
        return 0;
    return CallProc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}
