// Rendering contexts: a WebGL 2 context on the window's canvas, one per canvas, sharing
// nothing, without alpha, antialiasing or a preserved drawing buffer (the browser clears the
// canvas after it shows it, as a swap leaves the back buffer undefined). The program's
// OpenGL 1.1 calls go to a layer context (gl11/) kept with each, made current and deleted with
// it. A new context does not become current. Offers no extension entry points: the layer is
// OpenGL 1.1 and no extension with entry points.
#include "platform/web/Internal.h"
#include "platform/web/Page.h"

#include "gl11/Gl.h"

using namespace win32;

namespace win32 {

GlContext::~GlContext() {
    gl11::DeleteContext(layer);
    if (webgl > 0)
        emscripten_webgl_destroy_context(webgl);
}

void MakeNoContextCurrent() {
    State& s = GetState();
    gl11::MakeCurrent(nullptr);
    emscripten_webgl_make_context_current(0);
    s.currentContext = nullptr;
    s.currentDc = nullptr;
}

} // namespace win32

HGLRC wglCreateContext(HDC dc) {
    Window* w = FindWindow(WindowOfDc(dc));
    bool depth = false, stencil = false;
    if (!w || !FrameOf(*w) || !FormatBuffers(w->pixelFormat, depth, stencil))
        return nullptr;
    EmscriptenWebGLContextAttributes a;
    emscripten_webgl_init_context_attributes(&a);
    a.alpha = false;
    a.depth = depth;
    a.stencil = stencil;
    a.antialias = false;
    a.preserveDrawingBuffer = false;
    a.majorVersion = 2;
    a.minorVersion = 0;
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE webgl =
        emscripten_webgl_create_context(CanvasSelector(FrameOf(*w)->id).c_str(), &a);
    if (webgl <= 0)
        return nullptr;
    auto c = std::make_unique<GlContext>();
    c->webgl = webgl;
    // WebGL 1 and 2 entry points; they act on whichever context is current, so one loader
    // serves all.
    c->layer = gl11::CreateContext(
        [](const char* name) { return emscripten_webgl_get_proc_address(name); });
    if (!c->layer)
        return nullptr;
    c->frame = FrameOf(*w)->id;
    c->pixelFormat = w->pixelFormat;
    return static_cast<HGLRC>(AddObject(std::move(c)));
}

BOOL wglDeleteContext(HGLRC context) {
    if (!FindContext(context))
        return FALSE;
    if (GetState().currentContext == context)
        MakeNoContextCurrent();
    RemoveObject(context);
    return TRUE;
}

// A WebGL context belongs to its canvas: it is made current with its own window's device
// context only. As on Windows, a failed call leaves no context current.
BOOL wglMakeCurrent(HDC dc, HGLRC context) {
    State& s = GetState();
    if (!context) {
        MakeNoContextCurrent();
        return TRUE;
    }
    GlContext* c = FindContext(context);
    Window* w = FindWindow(WindowOfDc(dc));
    // The layer's pending drawing goes out while the outgoing context is still current.
    if (c)
        gl11::MakeCurrent(c->layer);
    if (!c || !w || !FrameOf(*w) || FrameOf(*w)->id != c->frame ||
        w->pixelFormat != c->pixelFormat ||
        emscripten_webgl_make_context_current(c->webgl) != EMSCRIPTEN_RESULT_SUCCESS) {
        MakeNoContextCurrent();
        return FALSE;
    }
    s.currentContext = context;
    s.currentDc = dc;
    return TRUE;
}

HGLRC wglGetCurrentContext() {
    return GetState().currentContext;
}

HDC wglGetCurrentDC() {
    return GetState().currentDc;
}

PROC wglGetProcAddress(LPCSTR) {
    return nullptr;
}
