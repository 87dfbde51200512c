// Picture files built byte by byte, the one writer of BMP and TGA files that tests,
// benchmarks and fuzz seeds share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& bytes, size_t at, std::uint16_t value);
void Put32(Bytes& bytes, size_t at, std::uint32_t value);

// The bytes as a file; false when it cannot be written whole.
bool WriteBytes(const std::string& path, const Bytes& bytes);

// Offsets of BMP header fields in the file, for headers of 40 bytes and more.
enum BmpField : size_t {
    kDataOffset = 10,
    kInfoSize = 14,
    kWidth = 18,
    kHeight = 22,
    kPlanes = 26,
    kBits = 28,
    kCompression = 30,
    kImageSize = 34,
    kColoursUsed = 46,
    kMasks = 54, // after a 40-byte header, or inside a larger one
};

// How a BMP file is laid out beyond its size and pixels.
struct BmpLayout {
    // Information header: 12 (the core header: 16-bit sizes, 3-byte palette entries), 40,
    // 52 (with colour masks), 56 (and an alpha mask), 108 (V4) or 124 (V5) bytes.
    int header = 40;
    std::uint32_t compression = 0;
    // Red, green, blue and alpha masks: after a 40-byte header, in a larger one.
    std::vector<std::uint32_t> masks;
    // The colours-used field; by default the number of palette entries.
    long long coloursUsed = -1;
};

// The information header alone, as a bitmap file or an icon holds it; image size as given.
Bytes BmpInfo(std::int32_t width, std::int32_t height, int bits, std::uint32_t imageSize,
              std::uint32_t coloursUsed, const BmpLayout& layout = {});

// A BMP file: the headers, the masks, the palette and the pixel data as given (rows already
// padded to 4 bytes). Image size is the data's length.
Bytes Bmp(std::int32_t width, std::int32_t height, int bits, const Bytes& palette,
          const Bytes& data, const BmpLayout& layout);
Bytes Bmp(std::int32_t width, std::int32_t height, int bits, const Bytes& palette,
          const Bytes& data, std::uint32_t compression = 0);

// Rows of `rowBytes` bytes each, every one padded with zeros to a multiple of 4 bytes.
Bytes PadRows(const Bytes& rows, size_t rowBytes);

// A grey palette of n entries, i -> (i, i, i).
Bytes GreyPalette(int n);

// A TGA file: the 18-byte header, the pixel data and, when asked, the TGA 2.0 footer.
Bytes Tga(int type, int width, int height, int bits, int descriptor, const Bytes& data,
          bool footer = false);
