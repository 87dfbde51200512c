// The process-wide stack of (context, device context) pairs that makes event delivery nest:
// leaving restores whatever was current before the matching enter, up to 16 levels deep.
#include "framework/GLWindow.h"

namespace {
struct Slot {
    HGLRC context;
    HDC dc;
};
// Plain zero-initialised data: usable from static initialisation and exit handlers.
Slot slots[16];
int depth = 0;
} // namespace

int ContextStackDepth() {
    return depth;
}

bool GLWindowExtra::MakeCurrent(bool enter) {
    if (enter) {
        if (palette) {
            previousPalette = SelectPalette(deviceContext, palette, FALSE);
            RealizePalette(deviceContext);
        }
        if (depth < 16)
            slots[depth] = Slot{wglGetCurrentContext(), wglGetCurrentDC()};
        ++depth;
        return wglMakeCurrent(deviceContext, glContext) == 1;
    }
    if (depth > 0) {
        --depth;
        if (depth < 16)
            wglMakeCurrent(slots[depth].dc, slots[depth].context);
        else
            wglMakeCurrent(nullptr, nullptr);
    }
    if (previousPalette) {
        SelectPalette(deviceContext, previousPalette, TRUE);
        previousPalette = nullptr;
    }
    return true;
}
