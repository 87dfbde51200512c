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

void QueueKey(HWND window, int virtualKey, bool down, bool repeat, bool alt, int scanCode) {
    bool system = alt || virtualKey == VK_F10 || virtualKey == VK_MENU;
    UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    DWORD lp = 1u | ((static_cast<DWORD>(scanCode) & 0xFF) << 16);
    if (alt)
        lp |= 1u << 29;
    if (!down || repeat)
        lp |= 1u << 30;
    if (!down)
        lp |= 1u << 31;
    QueueInput(window, message, static_cast<WPARAM>(virtualKey), static_cast<LPARAM>(lp));
}

void QueueMouse(HWND window, int button, bool down, WPARAM flags, int x, int y) {
    static const UINT kButtons[3][2] = {{WM_LBUTTONUP, WM_LBUTTONDOWN},
                                        {WM_MBUTTONUP, WM_MBUTTONDOWN},
                                        {WM_RBUTTONUP, WM_RBUTTONDOWN}};
    if (button < -1 || button > 2)
        return;
    UINT message = button < 0 ? WM_MOUSEMOVE : kButtons[button][down ? 1 : 0];
    QueueInput(window, message, flags, MAKELPARAM(static_cast<short>(x), static_cast<short>(y)));
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
