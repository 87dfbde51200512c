// Pixel formats. The layer offers a fixed list of RGBA double-buffered formats; each is probed
// once against the driver, which reports what it really grants. A window's visual is chosen
// when its pixel format is set.
#include "platform/sdl/Internal.h"

#include <algorithm>
#include <cstring>
#include <vector>

using namespace win32;

namespace {
using Format = PixelFormatSlot;

std::vector<Format>& Formats() {
    std::vector<Format>& formats = GetSdlState().pixelFormats;
    if (formats.empty())
        for (int accum : {0, 64})
            for (int alpha : {0, 8})
                for (int stencil : {0, 8})
                    for (int depth : {32, 24, 16, 0})
                        formats.push_back(Format{alpha, depth, stencil, accum});
    return formats;
}

Format* FormatAt(int index) {
    auto& formats = Formats();
    if (index < 1 || index > static_cast<int>(formats.size()))
        return nullptr;
    return &formats[static_cast<size_t>(index - 1)];
}

int GetAttribute(SDL_GLattr attr) {
    int value = 0;
    SDL_GL_GetAttribute(attr, &value);
    return value;
}

// Opens a hidden window and a context with the format to learn what the driver grants.
void Probe(Format& f, int index) {
    f.probed = true;
    if (!EnsureDisplay())
        return;
    ApplyFormatAttributes(index);
    SDL_Window* window = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window) {
        GetSdlState().probeError = SDL_GetError();
        return;
    }
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (!context)
        GetSdlState().probeError = SDL_GetError();
    if (context) {
        f.available = true;
        f.red = GetAttribute(SDL_GL_RED_SIZE);
        f.green = GetAttribute(SDL_GL_GREEN_SIZE);
        f.blue = GetAttribute(SDL_GL_BLUE_SIZE);
        f.grantedAlpha = GetAttribute(SDL_GL_ALPHA_SIZE);
        f.grantedDepth = GetAttribute(SDL_GL_DEPTH_SIZE);
        f.grantedStencil = GetAttribute(SDL_GL_STENCIL_SIZE);
        f.grantedAccum =
            GetAttribute(SDL_GL_ACCUM_RED_SIZE) + GetAttribute(SDL_GL_ACCUM_GREEN_SIZE) +
            GetAttribute(SDL_GL_ACCUM_BLUE_SIZE) + GetAttribute(SDL_GL_ACCUM_ALPHA_SIZE);
        SDL_GL_DeleteContext(context);
    }
    SDL_DestroyWindow(window);
    RestoreCurrentContext();
}

bool Available(int index) {
    Format* f = FormatAt(index);
    if (!f)
        return false;
    if (!f->probed)
        Probe(*f, index);
    return f->available;
}

// Depth candidates in the order a driver falls back: the request, then smaller, then larger.
std::vector<int> DepthOrder(int requested) {
    std::vector<int> order;
    const int depths[] = {32, 24, 16, 0};
    int best = 0;
    for (int d : depths)
        if (d <= requested) {
            best = d;
            break;
        }
    if (requested > 0 && best == 0)
        best = 16;
    for (int d : depths)
        if (d <= best && (d > 0 || requested == 0))
            order.push_back(d);
    for (int i = 3; i >= 0; --i)
        if (depths[i] > best)
            order.push_back(depths[i]);
    return order;
}
} // namespace

namespace win32 {

void ApplyFormatAttributes(int index) {
    Format* f = FormatAt(index);
    SDL_GL_ResetAttributes();
    RequestContextKind();
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
    if (!f)
        return;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, f->alpha);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, f->depth);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, f->stencil);
    int accum = f->accum / 4;
    SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, accum);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, accum);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, accum);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_ALPHA_SIZE, accum);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
}

} // namespace win32

int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* pfd) {
    if (!WindowOfDc(dc) || !pfd)
        return 0;
    if (!(pfd->dwFlags & PFD_SUPPORT_OPENGL) || pfd->iPixelType != PFD_TYPE_RGBA)
        return 0;
    auto& formats = Formats();
    int wantAlpha = pfd->cAlphaBits ? 8 : 0;
    int wantStencil = pfd->cStencilBits ? 8 : 0;
    int wantAccum = pfd->cAccumBits ? 64 : 0;
    for (int depth : DepthOrder(pfd->cDepthBits)) {
        for (size_t i = 0; i < formats.size(); ++i) {
            const Format& f = formats[i];
            if (f.depth != depth || f.alpha != wantAlpha || f.stencil != wantStencil ||
                f.accum != wantAccum)
                continue;
            if (Available(static_cast<int>(i + 1)))
                return static_cast<int>(i + 1);
        }
    }
    // Candidates were there but the driver would make none of them: say why.
    if (GetSdlState().videoReady && !GetSdlState().probeError.empty())
        ReportContextFailure(GetSdlState().probeError.c_str());
    return 0;
}

BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR*) {
    Window* w = FindWindow(WindowOfDc(dc));
    if (!w || !Available(format))
        return FALSE;
    if (w->pixelFormat)
        return w->pixelFormat == format ? TRUE : FALSE; // set once per window
    // The visual is fixed when the native window is made, so make it anew.
    bool wasVisible = w->visible;
    DestroyNativeWindow(*w);
    if (!CreateNativeWindow(*w, format))
        return FALSE;
    w->pixelFormat = format;
    if (wasVisible) {
        ShowNativeWindow(*w);
        w->needsPaint = true;
    }
    return TRUE;
}

int GetPixelFormat(HDC dc) {
    Window* w = FindWindow(WindowOfDc(dc));
    return w ? w->pixelFormat : 0;
}

int DescribePixelFormat(HDC dc, int format, UINT bytes, PIXELFORMATDESCRIPTOR* pfd) {
    if (!WindowOfDc(dc))
        return 0;
    int count = static_cast<int>(Formats().size());
    if (!pfd)
        return count;
    Format* f = FormatAt(format);
    if (!f || bytes < sizeof(PIXELFORMATDESCRIPTOR))
        return 0;
    if (!f->probed)
        Probe(*f, format);
    std::memset(pfd, 0, sizeof *pfd);
    pfd->nSize = sizeof *pfd;
    pfd->nVersion = 1;
    pfd->dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd->iPixelType = PFD_TYPE_RGBA;
    int alpha = f->available ? f->grantedAlpha : f->alpha;
    pfd->cRedBits = static_cast<BYTE>(f->red);
    pfd->cGreenBits = static_cast<BYTE>(f->green);
    pfd->cBlueBits = static_cast<BYTE>(f->blue);
    pfd->cColorBits = static_cast<BYTE>(f->red + f->green + f->blue);
    pfd->cRedShift = 16;
    pfd->cGreenShift = 8;
    pfd->cBlueShift = 0;
    pfd->cAlphaBits = static_cast<BYTE>(alpha);
    pfd->cAlphaShift = alpha ? 24 : 0;
    pfd->cDepthBits = static_cast<BYTE>(f->available ? f->grantedDepth : f->depth);
    pfd->cStencilBits = static_cast<BYTE>(f->available ? f->grantedStencil : f->stencil);
    pfd->cAccumBits = static_cast<BYTE>(f->available ? f->grantedAccum : f->accum);
    pfd->iLayerType = PFD_MAIN_PLANE;
    return count;
}
