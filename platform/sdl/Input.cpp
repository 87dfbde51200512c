// Input and window events from SDL, translated into queued messages for the window they
// concern (mouse input for the window holding the capture), with the time and the pointer's
// place that message records carry.
#include "platform/sdl/Internal.h"

using namespace win32;

namespace {
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
        SDL_GetWindowPosition(Native(*captured), &wx, &wy);
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
            QueueInput(w->handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(e.data1, e.data2));
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
        QueueInput(w->handle, WM_CLOSE, 0, 0);
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
    QueueKey(w->handle, vk, e.type == SDL_KEYDOWN, e.repeat != 0, (e.keysym.mod & KMOD_ALT) != 0,
             e.keysym.scancode);
}

void TranslateButton(const SDL_MouseButtonEvent& e) {
    int x = e.x, y = e.y;
    Window* w = MouseTarget(e.windowID, x, y);
    int button = e.button == SDL_BUTTON_LEFT     ? 0
                 : e.button == SDL_BUTTON_MIDDLE ? 1
                 : e.button == SDL_BUTTON_RIGHT  ? 2
                                                 : -1;
    if (!w || button < 0)
        return;
    QueueMouse(w->handle, button, e.type == SDL_MOUSEBUTTONDOWN, ButtonFlags(), x, y);
}

void TranslateMotion(const SDL_MouseMotionEvent& e) {
    int x = e.x, y = e.y;
    Window* w = MouseTarget(e.windowID, x, y);
    if (!w)
        return;
    QueueMouse(w->handle, -1, false, ButtonFlags(), x, y);
}
} // namespace

namespace win32 {

void PumpNativeEvents() {
    if (!GetSdlState().videoReady)
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

DWORD MessageTime() {
    return static_cast<DWORD>(SDL_GetTicks());
}

POINT NativeCursorPosition() {
    int x = 0, y = 0;
    if (GetSdlState().videoReady)
        SDL_GetGlobalMouseState(&x, &y);
    return POINT{x, y};
}

} // namespace win32
