// Pixel formats. A WebGL 2 canvas has 8-bit red, green and blue, double buffering and, as the
// program asks, a depth buffer (24 bits) and a stencil buffer (8 bits). It never has alpha:
// the domes and the plume write alpha, and a canvas with alpha would show the page through
// them. A window's buffers are chosen with its pixel format and made with its context.
#include "platform/web/Internal.h"

#include <cstring>
#include <iterator>

using namespace win32;

namespace {
struct Format {
    int depth, stencil;
};

// Numbered from 1 in this order.
constexpr Format kFormats[] = {{24, 0}, {24, 8}, {0, 0}, {0, 8}};
constexpr int kCount = static_cast<int>(std::size(kFormats));

const Format* FormatAt(int index) {
    return index >= 1 && index <= kCount ? &kFormats[index - 1] : nullptr;
}
} // namespace

namespace win32 {

bool FormatBuffers(int pixelFormat, bool& depth, bool& stencil) {
    const Format* f = FormatAt(pixelFormat);
    if (!f)
        return false;
    depth = f->depth > 0;
    stencil = f->stencil > 0;
    return true;
}

} // namespace win32

// The closest format: a depth buffer for any depth asked for (there is one size), a stencil
// buffer if one is asked for. Alpha and accumulation buffers are never offered.
int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* pfd) {
    if (!WindowOfDc(dc) || !pfd)
        return 0;
    if (!(pfd->dwFlags & PFD_SUPPORT_OPENGL) || pfd->iPixelType != PFD_TYPE_RGBA)
        return 0;
    int depth = pfd->cDepthBits ? 24 : 0;
    int stencil = pfd->cStencilBits ? 8 : 0;
    for (int i = 0; i < kCount; ++i)
        if (kFormats[i].depth == depth && kFormats[i].stencil == stencil)
            return i + 1;
    return 0;
}

BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR*) {
    Window* w = FindWindow(WindowOfDc(dc));
    if (!w || !FormatAt(format))
        return FALSE;
    if (w->pixelFormat)
        return w->pixelFormat == format ? TRUE : FALSE; // set once per window
    // The canvas a context is made on: the frame, still hidden.
    if (!w->native && !CreateNativeWindow(*w, format))
        return FALSE;
    w->pixelFormat = format;
    return TRUE;
}

int GetPixelFormat(HDC dc) {
    Window* w = FindWindow(WindowOfDc(dc));
    return w ? w->pixelFormat : 0;
}

int DescribePixelFormat(HDC dc, int format, UINT bytes, PIXELFORMATDESCRIPTOR* pfd) {
    if (!WindowOfDc(dc))
        return 0;
    if (!pfd)
        return kCount;
    const Format* f = FormatAt(format);
    if (!f || bytes < sizeof(PIXELFORMATDESCRIPTOR))
        return 0;
    std::memset(pfd, 0, sizeof *pfd);
    pfd->nSize = sizeof *pfd;
    pfd->nVersion = 1;
    pfd->dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd->iPixelType = PFD_TYPE_RGBA;
    pfd->cColorBits = 24;
    pfd->cRedBits = pfd->cGreenBits = pfd->cBlueBits = 8;
    pfd->cRedShift = 16;
    pfd->cGreenShift = 8;
    pfd->cBlueShift = 0;
    pfd->cDepthBits = static_cast<BYTE>(f->depth);
    pfd->cStencilBits = static_cast<BYTE>(f->stencil);
    pfd->iLayerType = PFD_MAIN_PLANE;
    return kCount;
}
