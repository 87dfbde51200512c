// The browser backend's own part of the layer: its state, its rendering contexts and what its
// files share. Everything else comes from the core (platform/core/Core.h); the page it draws
// on is reached through Page.h.
#pragma once

#include "platform/core/Core.h"

#include <emscripten/html5_webgl.h>

namespace gl11 {
struct Context;
}

namespace win32 {

// A window's frame on the page (Window::native); the core knows it by its id (nativeId).
struct Frame {
    int id = 0;
    bool presented = false; // since the browser last had its turn
};

inline Frame* FrameOf(const Window& w) {
    return static_cast<Frame*>(w.native);
}

struct GlContext : Object {
    GlContext() : Object(Kind::GlContext) {}
    ~GlContext() override;
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE webgl = 0;
    gl11::Context* layer = nullptr; // the OpenGL 1.1 the program draws with, on this context
    int frame = 0;                  // the canvas it draws on
    int pixelFormat = 0;
};

inline GlContext* FindContext(HGLRC h) {
    return Find<GlContext>(h, Kind::GlContext);
}

struct WebState {
    int nextFrame = 1;
    bool roundOver = false; // a window presented twice since the browser's last turn
    double lastTurn = 0;    // when the browser last had its turn, in milliseconds
    POINT pointer{0, 0};    // the pointer on the desk, as the page last saw it
};

// Display.cpp: the backend's state, made on first use and never destroyed.
WebState& GetWebState();

// PixelFormats.cpp: whether a pixel format asks for a depth buffer and a stencil buffer;
// false for a format the backend does not offer.
bool FormatBuffers(int pixelFormat, bool& depth, bool& stencil);

} // namespace win32
