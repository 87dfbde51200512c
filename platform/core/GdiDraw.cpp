// Drawing into the bitmap selected into a memory device context.
#include "platform/core/Gdi.h"

#include <algorithm>

using namespace win32;

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (!rect)
        return FALSE;
    *rect = {left, top, right, bottom};
    return TRUE;
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    Dc* memory = Find<Dc>(dc, Kind::MemoryDc);
    Brush* b = FindBrush(brush);
    Bitmap* target = memory ? FindBitmap(memory->bitmap) : nullptr;
    if (!target || !b || !rect)
        return 0;
    if (b->hollow)
        return 1;
    // The right and bottom edges are outside the rectangle.
    const int left = std::max<LONG>(rect->left, 0),
              right = std::min<LONG>(rect->right, target->width);
    const int top = std::max<LONG>(rect->top, 0),
              bottom = std::min<LONG>(rect->bottom, target->height);
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* p = target->TopRow(y) + 3 * left;
        for (int x = left; x < right; ++x, p += 3) {
            p[0] = b->blue;
            p[1] = b->green;
            p[2] = b->red;
        }
    }
    return 1;
}
