// GDI objects of the layer: bitmaps, brushes and what loading pictures through SDL needs.
#pragma once

#include "platform/PictureBudget.h"
#include "platform/sdl/Internal.h"
#include "platform/sdl/Win32Imaging.h"

#include <SDL.h>
#include <cstdint>
#include <memory>
#include <string>

namespace win32sdl {

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

// A path with backslashes as separators, as the local file system spells it.
std::string LocalPath(const char* path);

// Makes black, as Windows leaves them, the pixels that the runs of a run-length bitmap file
// skip; SDL gives them palette entry 0. Other files are left alone.
void BlackenRunLengthGaps(const std::string& path, Bitmap& bitmap);

// While one exists, SDL refuses any single allocation larger than a picture may need, so that
// a file cannot make a decoder reserve what its header merely claims.
class DecodeLimit {
  public:
    DecodeLimit();
    ~DecodeLimit();
    DecodeLimit(const DecodeLimit&) = delete;
    DecodeLimit& operator=(const DecodeLimit&) = delete;
};

} // namespace win32sdl
