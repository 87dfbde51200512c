// The OpenGL the program draws with. In the ordinary build it is the system's and nothing here
// does anything. In the build that draws through the OpenGL 1.1 layer (MOONHOP_GL11) every
// rendering context is an OpenGL ES 3.0 context with a layer context beside it, made current,
// flushed and deleted with it.
#include "platform/sdl/Internal.h"

#ifdef MOONHOP_GL11
#include "gl11/Gl.h"
#endif

namespace win32 {

#ifdef MOONHOP_GL11

void RequestContextKind() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
}

bool AttachLayerContext(GlContext& c) {
    c.layer = gl11::CreateContext([](const char* name) { return SDL_GL_GetProcAddress(name); });
    return c.layer != nullptr;
}

void DeleteLayerContext(gl11::Context* layer) {
    gl11::DeleteContext(layer);
}

void MakeLayerCurrent(gl11::Context* layer) {
    gl11::MakeCurrent(layer);
}

void FlushLayer() {
    gl11::FlushPending();
}

bool OffersEntryPoints() {
    // The layer is OpenGL 1.1 and no extension with entry points.
    return false;
}

#else

void RequestContextKind() {}

bool AttachLayerContext(GlContext&) {
    return true;
}

void DeleteLayerContext(gl11::Context*) {}

void MakeLayerCurrent(gl11::Context*) {}

void FlushLayer() {}

bool OffersEntryPoints() {
    return true;
}

#endif

} // namespace win32
