// The SDL windows behind windows: made hidden, with the visual of a pixel format when the
// window has one, and shown, placed, sized, titled and presented as the core asks; the cursor
// and the mouse capture.
#include "platform/sdl/Internal.h"

#include <algorithm>

namespace win32 {

bool CreateNativeWindow(Window& w, int pixelFormat) {
    if (!EnsureDisplay())
        return false;
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (w.style & WS_THICKFRAME)
        flags |= SDL_WINDOW_RESIZABLE;
    if (pixelFormat) {
        flags |= SDL_WINDOW_OPENGL;
        ApplyFormatAttributes(pixelFormat);
    }
    SDL_Window* native = SDL_CreateWindow(w.title.c_str(), w.x, w.y, std::max(w.width, 1),
                                          std::max(w.height, 1), flags);
    if (!native)
        return false;
    w.native = native;
    w.nativeId = SDL_GetWindowID(native);
    return true;
}

void DestroyNativeWindow(Window& w) {
    if (!w.native)
        return;
    SDL_DestroyWindow(Native(w));
    w.native = nullptr;
    w.nativeId = 0;
}

void ShowNativeWindow(Window& w) {
    SDL_ShowWindow(Native(w));
}

void HideNativeWindow(Window& w) {
    SDL_HideWindow(Native(w));
}

void MoveNativeWindow(Window& w) {
    SDL_SetWindowPosition(Native(w), w.x, w.y);
}

void ResizeNativeWindow(Window& w) {
    SDL_SetWindowSize(Native(w), std::max(w.width, 1), std::max(w.height, 1));
}

void RetitleNativeWindow(Window& w) {
    SDL_SetWindowTitle(Native(w), w.title.c_str());
}

void ReadNativePosition(Window& w) {
    SDL_GetWindowPosition(Native(w), &w.x, &w.y);
}

void PresentNativeWindow(Window& w) {
    FlushLayer();
    SDL_GL_SwapWindow(Native(w));
}

void ShowNativeCursor(bool shown) {
    SdlState& s = GetSdlState();
    if (!s.videoReady)
        return;
    if (!shown) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    if (!s.arrow)
        s.arrow = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    if (s.arrow)
        SDL_SetCursor(s.arrow);
    SDL_ShowCursor(SDL_ENABLE);
}

void CaptureNativeMouse(bool captured) {
    if (GetSdlState().videoReady)
        SDL_CaptureMouse(captured ? SDL_TRUE : SDL_FALSE);
}

} // namespace win32
