// The native windows behind windows: made hidden, with the visual of a pixel format when the
// window has one, and made anew when that format is set.
#include "platform/sdl/Internal.h"

#include <algorithm>

namespace win32sdl {

Window::~Window() {
    DestroyNativeWindow(*this);
}

bool CreateNativeWindow(Window& w, int pixelFormat) {
    if (!EnsureVideo())
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
    SDL_DestroyWindow(w.native);
    w.native = nullptr;
    w.nativeId = 0;
}

} // namespace win32sdl
