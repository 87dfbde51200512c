// Bitmap files as the bitmap loader reads them before any decoder runs: the headers, the
// pixel budget, and our own decoder for bit-field bitmaps. Plain data and standard files
// only, shared by every backend.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace win32 {

// The fields of a bitmap file's headers that say what its pixels are.
struct BitmapFileHeader {
    std::uint32_t dataOffset = 0;
    std::uint32_t infoSize = 0; // 12 for the core header, 40 or more for the others
    long long width = 0;
    long long height = 0; // as stored: negative when the top row comes first
    int planes = 0;
    int bitCount = 0;
    std::uint32_t compression = 0;
    // Red, green and blue masks of a bit-field bitmap (compression 3), when the file has them.
    std::uint32_t masks[3] = {};
    bool hasMasks = false;
};

// Reads the headers at the start of a file; false when they are not a bitmap's.
bool ReadBitmapFileHeader(const std::string& path, BitmapFileHeader& header);

// Whether the picture fits the pixel budget at 4 bytes a pixel, as the loaders keep it.
bool BitmapFitsBudget(const BitmapFileHeader& header);

// 16- and 32-bit bitmaps whose pixels are given by masks.
inline bool IsBitFieldBitmap(const BitmapFileHeader& header) {
    return header.compression == 3 && (header.bitCount == 16 || header.bitCount == 32);
}

// A picture as 24-bit rows, blue, green, red, bottom row first, each padded to 4 bytes.
struct Dib24 {
    int width = 0;
    int height = 0;
    int stride = 0;
    std::unique_ptr<std::uint8_t[]> bits;
};

// Decodes a bit-field bitmap as Windows shows it: each mask must be one run of at most 8 bits
// (or none, a channel that stays 0), and a channel of n bits is widened to 8 by repeating its
// top bits. False, with `out` untouched, when the masks are not of that kind, the picture is
// past the budget or the file does not hold all its rows.
bool DecodeBitFieldBitmap(const std::string& path, const BitmapFileHeader& header, Dib24& out);

} // namespace win32
