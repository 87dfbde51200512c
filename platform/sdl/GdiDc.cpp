// Memory device contexts, selecting bitmaps into them, and device units.
#include "platform/sdl/GdiInternal.h"

#include <climits>
#include <cstdlib>

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

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    // Rounded half away from zero, as Windows rounds; -1 when the result does not fit.
    const long long product = static_cast<long long>(number) * numerator;
    const long long magnitude = (std::llabs(product) + std::llabs(denominator) / 2) /
                                std::llabs(static_cast<long long>(denominator));
    const long long result = (product < 0) != (denominator < 0) ? -magnitude : magnitude;
    return result > INT_MAX || result < INT_MIN ? -1 : static_cast<int>(result);
}
