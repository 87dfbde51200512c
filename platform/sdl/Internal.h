// The SDL backend's own part of the layer: its state, its rendering contexts and what its files
// share. Everything else comes from the core (platform/core/Core.h).
#pragma once

#include "platform/core/Core.h"

#include <SDL.h>
#include <string>
#include <vector>

namespace gl11 {
struct Context;
}

namespace win32 {

struct GlContext : Object {
    GlContext() : Object(Kind::GlContext) {}
    ~GlContext() override;
    SDL_GLContext context = nullptr;
    gl11::Context* layer = nullptr; // the OpenGL 1.1 layer's context, in the build that has it
    int pixelFormat = 0;
};

inline GlContext* FindContext(HGLRC h) {
    return Find<GlContext>(h, Kind::GlContext);
}

// A window's SDL window, null until made.
inline SDL_Window* Native(const Window& w) {
    return static_cast<SDL_Window*>(w.native);
}

// One pixel format the layer offers: what it asks the driver for and, once probed, what the
// driver grants.
struct PixelFormatSlot {
    int alpha, depth, stencil, accum; // requested from the driver
    bool probed = false, available = false;
    int red = 8, green = 8, blue = 8; // granted
    int grantedAlpha = 0, grantedDepth = 0, grantedStencil = 0, grantedAccum = 0;
};

struct SdlState {
    bool videoReady = false;
    bool videoFailed = false;
    bool contextFailureReported = false;
    SDL_Cursor* arrow = nullptr;
    std::vector<PixelFormatSlot> pixelFormats; // the formats offered, in order, from 1
    std::string probeError;                    // why the last pixel-format probe failed
    // SDL's own allocation functions while a bitmap file is loaded under the budget.
    int decodeLimits = 0;
    SDL_malloc_func realMalloc = nullptr;
    SDL_calloc_func realCalloc = nullptr;
    SDL_realloc_func realRealloc = nullptr;
    SDL_free_func realFree = nullptr;
};

// Video.cpp: the backend's state, made on first use and never destroyed.
SdlState& GetSdlState();

// PixelFormats.cpp: applies a pixel format's attributes to SDL before a window or context is
// created.
void ApplyFormatAttributes(int pixelFormat);

// Contexts.cpp: makes the context the state records as current current again in SDL (or none),
// and says on standard error, the first time only, why no OpenGL context could be made.
void RestoreCurrentContext();
void ReportContextFailure(const char* reason);

// LayerContexts.cpp: the OpenGL the program draws with. In the build that draws through the
// OpenGL 1.1 layer, contexts are OpenGL ES 3.0 contexts, each with a layer context: asked for
// before a window or context is made, made with the native context, made current before it,
// and flushed before a swap. Elsewhere these do nothing.
void RequestContextKind();
// False when the layer cannot draw on the new context.
bool AttachLayerContext(GlContext& c);
void DeleteLayerContext(gl11::Context* layer);
void MakeLayerCurrent(gl11::Context* layer);
void FlushLayer();
// Whether wglGetProcAddress hands out entry points: the layer has none beyond OpenGL 1.1.
bool OffersEntryPoints();

// RunLengthGaps.cpp: makes black, as Windows leaves them, the pixels that the runs of a
// run-length bitmap file skip; SDL gives them palette entry 0. Other files are left alone.
void BlackenRunLengthGaps(const std::string& path, Bitmap& bitmap);

// KeyMap.cpp: the Windows virtual-key code for an SDL key, or 0 when there is none; for a key
// event the keypad is read from the physical key and the Num Lock state.
int VirtualKeyFromSdl(SDL_Keycode key);
int VirtualKeyFromSdl(const SDL_Keysym& key);

} // namespace win32
