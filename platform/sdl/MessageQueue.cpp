// The thread's one message queue: posted messages first, then input and window events from
// SDL, then the quit message, then painting. PeekMessageA never blocks.
#include "platform/sdl/Internal.h"

#include <algorithm>

using namespace win32sdl;

namespace {
MSG MakeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG m{};
    m.hwnd = window;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = MessageTime();
    int x = 0, y = 0;
    if (GetState().videoReady)
        SDL_GetGlobalMouseState(&x, &y);
    m.pt.x = x;
    m.pt.y = y;
    return m;
}

void Queue(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    GetState().input.push_back(MakeMessage(window, message, wParam, lParam));
}

WPARAM ButtonFlags() {
    Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    SDL_Keymod mod = SDL_GetModState();
    WPARAM flags = 0;
    if (buttons & SDL_BUTTON_LMASK)
        flags |= MK_LBUTTON;
    if (buttons & SDL_BUTTON_MMASK)
        flags |= MK_MBUTTON;
    if (buttons & SDL_BUTTON_RMASK)
        flags |= MK_RBUTTON;
    if (mod & KMOD_SHIFT)
        flags |= MK_SHIFT;
    if (mod & KMOD_CTRL)
        flags |= MK_CONTROL;
    return flags;
}

// The window that receives mouse input: the captured one, else the one under the pointer.
Window* MouseTarget(Uint32 windowId, int& x, int& y) {
    State& s = GetState();
    if (Window* captured = FindWindow(s.capture); captured && captured->native) {
        int gx = 0, gy = 0, wx = 0, wy = 0;
        SDL_GetGlobalMouseState(&gx, &gy);
        SDL_GetWindowPosition(captured->native, &wx, &wy);
        if (captured->nativeId != windowId) {
            x = gx - wx;
            y = gy - wy;
        }
        return captured;
    }
    return FindWindowByNativeId(windowId);
}

void TranslateWindowEvent(const SDL_WindowEvent& e) {
    Window* w = FindWindowByNativeId(e.windowID);
    if (!w)
        return;
    switch (e.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        if (e.data1 != w->width || e.data2 != w->height) {
            w->width = e.data1;
            w->height = e.data2;
            w->needsPaint = true;
            Queue(w->handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(e.data1, e.data2));
        }
        break;
    case SDL_WINDOWEVENT_MOVED:
        w->x = e.data1;
        w->y = e.data2;
        break;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SHOWN:
        w->needsPaint = true;
        break;
    case SDL_WINDOWEVENT_CLOSE:
        Queue(w->handle, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}

void TranslateKey(const SDL_KeyboardEvent& e) {
    Window* w = FindWindowByNativeId(e.windowID);
    int vk = VirtualKeyFromSdl(e.keysym);
    if (!w || vk == 0)
        return;
    bool down = e.type == SDL_KEYDOWN;
    bool system = (e.keysym.mod & KMOD_ALT) || vk == VK_F10 || vk == VK_MENU;
    UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    // Repeat count 1, scan code, previous state (bit 30) and transition (bit 31).
    DWORD lp = 1u | ((static_cast<DWORD>(e.keysym.scancode) & 0xFF) << 16);
    if (!down || e.repeat)
        lp |= 1u << 30;
    if (!down)
        lp |= 1u << 31;
    if (e.keysym.mod & KMOD_ALT)
        lp |= 1u << 29;
    Queue(w->handle, message, static_cast<WPARAM>(vk), static_cast<LPARAM>(lp));
}

void TranslateButton(const SDL_MouseButtonEvent& e) {
    int x = e.x, y = e.y;
    Window* w = MouseTarget(e.windowID, x, y);
    if (!w)
        return;
    bool down = e.type == SDL_MOUSEBUTTONDOWN;
    UINT message;
    switch (e.button) {
    case SDL_BUTTON_LEFT:
        message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
        break;
    case SDL_BUTTON_MIDDLE:
        message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
        break;
    case SDL_BUTTON_RIGHT:
        message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        break;
    default:
        return;
    }
    Queue(w->handle, message, ButtonFlags(),
          MAKELPARAM(static_cast<short>(x), static_cast<short>(y)));
}

void TranslateMotion(const SDL_MouseMotionEvent& e) {
    int x = e.x, y = e.y;
    Window* w = MouseTarget(e.windowID, x, y);
    if (!w)
        return;
    Queue(w->handle, WM_MOUSEMOVE, ButtonFlags(),
          MAKELPARAM(static_cast<short>(x), static_cast<short>(y)));
}

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
} // namespace

namespace win32sdl {

void PumpSdlEvents() {
    State& s = GetState();
    if (!s.videoReady)
        return;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_WINDOWEVENT:
            TranslateWindowEvent(e.window);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            TranslateKey(e.key);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            TranslateButton(e.button);
            break;
        case SDL_MOUSEMOTION:
            TranslateMotion(e.motion);
            break;
        default:
            break;
        }
    }
}

} // namespace win32sdl

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
    PumpSdlEvents();
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
