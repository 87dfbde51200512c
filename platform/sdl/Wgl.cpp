// OpenGL rendering contexts. A new context shares nothing and does not become current.
#include "platform/sdl/Internal.h"

using namespace win32sdl;

namespace {
void ReleaseCurrent() {
    State& s = GetState();
    MakeLayerCurrent(nullptr);
    SDL_GL_MakeCurrent(nullptr, nullptr);
    s.currentContext = nullptr;
    s.currentDc = nullptr;
}
} // namespace

namespace win32sdl {

GlContext::~GlContext() {
    DeleteLayerContext(layer);
    if (context)
        SDL_GL_DeleteContext(context);
}

void RestoreCurrentContext() {
    State& s = GetState();
    GlContext* c = FindContext(s.currentContext);
    Window* w = FindWindow(WindowFromDC(s.currentDc));
    if (c && w && w->native) {
        MakeLayerCurrent(c->layer);
        SDL_GL_MakeCurrent(w->native, c->context);
    } else
        ReleaseCurrent();
}

} // namespace win32sdl

HGLRC wglCreateContext(HDC dc) {
    Window* w = FindWindow(WindowFromDC(dc));
    if (!w || !w->native || !w->pixelFormat)
        return nullptr;
    ApplyFormatAttributes(w->pixelFormat);
    SDL_GLContext context = SDL_GL_CreateContext(w->native);
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
        ReleaseCurrent();
    RemoveObject(context);
    return TRUE;
}

BOOL wglMakeCurrent(HDC dc, HGLRC context) {
    State& s = GetState();
    if (!context) {
        ReleaseCurrent();
        return TRUE;
    }
    GlContext* c = FindContext(context);
    Window* w = FindWindow(WindowFromDC(dc));
    // The layer's pending drawing goes out while the outgoing context is still current.
    if (c)
        MakeLayerCurrent(c->layer);
    // As on Windows, a failed call leaves no context current.
    if (!c || !w || !w->native || w->pixelFormat != c->pixelFormat ||
        SDL_GL_MakeCurrent(w->native, c->context) != 0) {
        ReleaseCurrent();
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
