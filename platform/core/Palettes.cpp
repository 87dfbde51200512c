// Logical palettes. Displays here are true colour, so realizing maps no entries, but the
// palette objects themselves are real.
#include "platform/core/Core.h"

#include <cstring>

using namespace win32;

namespace {
HPALETTE DefaultPalette() {
    State& s = GetState();
    if (!s.defaultPalette) {
        auto p = std::make_unique<Palette>();
        p->stock = true;
        p->count = 1;
        p->entries.reset(new PALETTEENTRY[1]{{0, 0, 0, 0}});
        s.defaultPalette = static_cast<HPALETTE>(AddObject(std::move(p)));
    }
    return s.defaultPalette;
}
} // namespace

HPALETTE CreatePalette(const LOGPALETTE* palette) {
    if (!palette || palette->palNumEntries == 0 || palette->palVersion != 0x300)
        return nullptr;
    auto p = std::make_unique<Palette>();
    p->count = palette->palNumEntries;
    p->entries.reset(new PALETTEENTRY[p->count]);
    std::memcpy(p->entries.get(), palette->palPalEntry, sizeof(PALETTEENTRY) * p->count);
    return static_cast<HPALETTE>(AddObject(std::move(p)));
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL) {
    Dc* d = FindDc(dc);
    if (!d || !FindPalette(palette))
        return nullptr;
    HPALETTE previous = d->palette && FindPalette(d->palette) ? d->palette : DefaultPalette();
    d->palette = palette;
    return previous;
}

UINT RealizePalette(HDC dc) {
    Dc* d = FindDc(dc);
    if (!d)
        return 0xFFFFFFFFu; // GDI_ERROR
    return 0;
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
    Palette* p = FindPalette(palette);
    if (!p)
        return 0;
    if (!entries)
        return p->count;
    if (start >= p->count)
        return 0;
    UINT n = count < p->count - start ? count : p->count - start;
    std::memcpy(entries, p->entries.get() + start, sizeof(PALETTEENTRY) * n);
    return n;
}
