// OpenGL rendering contexts and their entry points. A new context shares nothing and does not
// become current.
#include "platform/sdl/Internal.h"

#include <cstdio>

using namespace win32;

namespace win32 {

void MakeNoContextCurrent() {
    State& s = GetState();
    MakeLayerCurrent(nullptr);
    SDL_GL_MakeCurrent(nullptr, nullptr);
    s.currentContext = nullptr;
    s.currentDc = nullptr;
}

void ReportContextFailure(const char* reason) {
    SdlState& s = GetSdlState();
    if (s.contextFailureReported)
        return;
    s.contextFailureReported = true;
    std::fprintf(stderr, "Cannot make an OpenGL context: %s\n",
                 reason && *reason ? reason : "unknown reason");
    std::fflush(stderr);
}

GlContext::~GlContext() {
    DeleteLayerContext(layer);
    if (context)
        SDL_GL_DeleteContext(context);
}

void RestoreCurrentContext() {
    State& s = GetState();
    GlContext* c = FindContext(s.currentContext);
    Window* w = FindWindow(WindowOfDc(s.currentDc));
    if (c && w && Native(*w)) {
        MakeLayerCurrent(c->layer);
        SDL_GL_MakeCurrent(Native(*w), c->context);
    } else {
        MakeNoContextCurrent();
    }
}

} // namespace win32

HGLRC wglCreateContext(HDC dc) {
    Window* w = FindWindow(WindowOfDc(dc));
    if (!w || !Native(*w) || !w->pixelFormat)
        return nullptr;
    ApplyFormatAttributes(w->pixelFormat);
    SDL_GLContext context = SDL_GL_CreateContext(Native(*w));
    if (!context)
        ReportContextFailure(SDL_GetError());
    RestoreCurrentContext();
    if (!context)
        return nullptr;
    auto c = std::make_unique<GlContext>();
    c->context = context;
    if (!AttachLayerContext(*c))
        return nullptr;
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
        MakeLayerCurrent(c->layer);
    // As on Windows, a failed call leaves no context current.
    if (!c || !w || !Native(*w) || w->pixelFormat != c->pixelFormat ||
        SDL_GL_MakeCurrent(Native(*w), c->context) != 0) {
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

PROC wglGetProcAddress(LPCSTR name) {
    // Windows answers only with a current context: entry points may differ between drivers.
    if (!name || !FindContext(GetState().currentContext) || !OffersEntryPoints())
        return nullptr;
    return reinterpret_cast<PROC>(SDL_GL_GetProcAddress(name));
}
