// Windows' own device contexts, the screen's, and showing what was drawn by swapping buffers.
#include "platform/core/Core.h"

using namespace win32;

namespace {
// GetDC (NULL) is the screen's device context, as on Windows: it belongs to no window and
// draws nothing here, but answers GetDeviceCaps.
HDC ScreenDc() {
    State& s = GetState();
    if (!s.screenDc) {
        auto dc = std::make_unique<Dc>(Kind::WindowDc);
        dc->stock = true;
        s.screenDc = static_cast<HDC>(AddObject(std::move(dc)));
    }
    return s.screenDc;
}
} // namespace

namespace win32 {

HWND WindowOfDc(HDC dc) {
    Dc* d = FindDc(dc);
    return d && d->kind == Kind::WindowDc ? d->window : nullptr;
}

} // namespace win32

HDC GetDC(HWND window) {
    if (!window)
        return ScreenDc();
    Window* w = FindWindow(window);
    return w ? w->dc : nullptr;
}

int ReleaseDC(HWND window, HDC dc) {
    if (!window)
        return dc && dc == ScreenDc() ? 1 : 0;
    Window* w = FindWindow(window);
    return w && w->dc == dc ? 1 : 0;
}

BOOL SwapBuffers(HDC dc) {
    Window* w = FindWindow(WindowOfDc(dc));
    if (!w || !w->native || !w->pixelFormat)
        return FALSE;
    if (SwapObserver observer = GetState().swapObserver)
        observer(w->handle);
    PresentNativeWindow(*w);
    return TRUE;
}

void SetSwapObserver(SwapObserver observer) {
    GetState().swapObserver = observer;
}
