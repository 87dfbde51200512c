// GDI objects of the core: bitmaps and brushes.
#pragma once

#include "platform/PictureBudget.h"
#include "platform/core/Core.h"

#include <cstdint>
#include <memory>
#include <string>

namespace win32 {

// Pixels are kept as a 24-bit device-independent bitmap: blue, green, red, bottom row first,
// each row padded to a multiple of 4 bytes.
struct Bitmap : Object {
    Bitmap() : Object(Kind::Bitmap) {}
    int width = 0;
    int height = 0;
    int stride = 0;
    int bitsPerPixel = 24; // as reported by GetObjectA
    bool dibSection = false;
    HDC selectedInto = nullptr; // the memory device context holding it, if any
    std::unique_ptr<std::uint8_t[]> bits;

    // Row y counted from the top, as GDI drawing counts it.
    std::uint8_t* TopRow(int y) const {
        return bits.get() + static_cast<std::ptrdiff_t>(height - 1 - y) * stride;
    }
};

struct Brush : Object {
    Brush() : Object(Kind::Brush) {}
    std::uint8_t red = 0, green = 0, blue = 0;
    bool hollow = false;
};

inline Bitmap* FindBitmap(const void* h) {
    return Find<Bitmap>(h, Kind::Bitmap);
}
inline Brush* FindBrush(const void* h) {
    return Find<Brush>(h, Kind::Brush);
}

// Bytes in one row of a 24-bit device-independent bitmap, or -1 when they do not fit an int.
long long DibStride(long long width);

// A zeroed 24-bit bitmap, or null when its size is unreasonable or memory ran out.
std::unique_ptr<Bitmap> NewBitmap(int width, int height);

// The 1x1 bitmap every memory device context starts with.
HGDIOBJ StockBitmap();

} // namespace win32
