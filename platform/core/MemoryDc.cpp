// Memory device contexts, selecting bitmaps into them, and what a device context answers of
// its device.
#include "platform/core/Gdi.h"

using namespace win32;

HDC CreateCompatibleDC(HDC dc) {
    if (dc && !FindDc(dc))
        return nullptr;
    auto memory = std::make_unique<Dc>(Kind::MemoryDc);
    memory->palette = GetState().defaultPalette;
    memory->bitmap = memory->originalBitmap = StockBitmap();
    return static_cast<HDC>(AddObject(std::move(memory)));
}

BOOL DeleteDC(HDC dc) {
    Dc* memory = Find<Dc>(dc, Kind::MemoryDc);
    if (!memory)
        return FALSE;
    if (Bitmap* selected = FindBitmap(memory->bitmap))
        if (selected->selectedInto == dc)
            selected->selectedInto = nullptr;
    RemoveObject(dc);
    return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    // Only bitmaps, into memory device contexts, are selected here; palettes have their own call.
    Dc* memory = Find<Dc>(dc, Kind::MemoryDc);
    Bitmap* bitmap = FindBitmap(object);
    if (!memory || !bitmap)
        return nullptr;
    if (bitmap->selectedInto && bitmap->selectedInto != dc)
        return nullptr; // one device context at a time
    HGDIOBJ previous = memory->bitmap;
    if (Bitmap* old = FindBitmap(previous))
        if (old->selectedInto == dc)
            old->selectedInto = nullptr;
    if (!bitmap->stock)
        bitmap->selectedInto = dc;
    memory->bitmap = object;
    return previous;
}

int GetDeviceCaps(HDC dc, int index) {
    if (!FindDc(dc))
        return 0;
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    default:
        return 0;
    }
}
