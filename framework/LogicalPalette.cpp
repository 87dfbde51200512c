// The fixed 3-3-2 logical palette for displays that need one, with a few standard system
// colours in place of computed entries.
#include "framework/GLWindow.h"

namespace {
const BYTE threeBitLevels[8] = {0, 63, 104, 128, 171, 200, 229, 255};
const BYTE twoBitLevels[4] = {0, 128, 191, 255};

struct FixedPalette {
    LOGPALETTE header;
    PALETTEENTRY more[255];
};

FixedPalette Build() {
    FixedPalette p{};
    p.header.palVersion = 0x300;
    p.header.palNumEntries = 256;
    PALETTEENTRY* e = p.header.palPalEntry;
    for (int i = 0; i < 256; ++i) {
        e[i].peRed = threeBitLevels[i & 7];
        e[i].peGreen = threeBitLevels[(i >> 3) & 7];
        e[i].peBlue = twoBitLevels[i >> 6];
        e[i].peFlags = 0;
    }
    e[164] = PALETTEENTRY{160, 160, 164, 0};
    e[173] = PALETTEENTRY{192, 192, 192, 0};
    return p;
}
} // namespace

const LOGPALETTE* FixedLogicalPalette() {
    static const FixedPalette palette = Build();
    return &palette.header;
}
