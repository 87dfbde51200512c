// Our own reader for the two BMP kinds the game's pictures use: uncompressed 24-bit, and
// uncompressed 8-bit with a palette. Everything else is left to the platform's loader.
#include "framework/ImageExtra.h"
#include "framework/ImageFile.h"

#include <climits>
#include <cstring>
#include <memory>
#include <new>

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr int kPaletteEntries = 256;

struct BmpHeader {
    std::uint32_t dataOffset = 0;
    std::uint32_t infoSize = 0;
    int width = 0;
    int height = 0; // made positive; topDown says which way the rows run
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t coloursUsed = 0;
};

bool ReadHeader(ImageFile& file, BmpHeader& h) {
    std::uint8_t fileHeader[kFileHeaderBytes];
    if (!file.Read(fileHeader, sizeof fileHeader) || fileHeader[0] != 'B' || fileHeader[1] != 'M')
        return false;
    std::uint8_t info[kInfoHeaderBytes];
    if (!file.Read(info, sizeof info) || Le32(info + 16) != 0 || Le16(info + 12) != 1)
        return false;
    h.dataOffset = Le32(fileHeader + 10);
    h.infoSize = Le32(info);
    h.width = static_cast<int>(Le32(info + 4));
    const int height = static_cast<int>(Le32(info + 8));
    h.topDown = height < 0;
    if (height == INT_MIN)
        return false;
    h.height = h.topDown ? -height : height;
    h.bitCount = Le16(info + 14);
    h.imageSize = Le32(info + 20);
    h.coloursUsed = Le32(info + 32);
    return h.width > 0 && h.height > 0;
}

// Checks that the file holds all the pixel data it states (at least the padded rows) and
// moves to its start. Done before anything is allocated, so a short file cannot make us
// reserve what it claims.
bool FindPixelData(ImageFile& file, const BmpHeader& h, long long padded) {
    const long long rows = padded * h.height;
    const long long dataSize = h.imageSize != 0 ? h.imageSize : rows;
    const long long length = file.Length();
    return rows <= dataSize && length >= 0 &&
           dataSize <= length - static_cast<long long>(h.dataOffset) && file.Seek(h.dataOffset);
}

long long PaddedRow(long long rowBytes) {
    return (rowBytes + 3) & ~3LL;
}

// Image row of the file's row r: the file runs bottom row first unless it is top-down.
std::uint8_t* ImageRow(const BmpHeader& h, ImageExtra& image, int r) {
    const int i = h.topDown ? h.height - 1 - r : r;
    return image.pixels + static_cast<long long>(i) * image.stride;
}

// The pixel rows are read one at a time straight into the image, which the budget bounds,
// so a load never holds more than the image and one row of the file.
bool Read24(ImageFile& file, const BmpHeader& h, ImageExtra& image) {
    const long long rowBytes = 3LL * h.width;
    const long long padded = PaddedRow(rowBytes);
    if (rowBytes > INT_MAX || !FindPixelData(file, h, padded) ||
        !image.Allocate(h.width, h.height, PixelFormat::BGR, 0))
        return false;
    if (padded == rowBytes && !h.topDown)
        return file.Read(image.pixels, static_cast<size_t>(image.size));
    std::uint8_t padding[3];
    for (int r = 0; r < h.height; ++r)
        if (!file.Read(ImageRow(h, image, r), static_cast<size_t>(rowBytes)) ||
            !file.Read(padding, static_cast<size_t>(padded - rowBytes)))
            return false;
    return true;
}

bool Read8(ImageFile& file, const BmpHeader& h, ImageExtra& image) {
    // Entries past the colours read stay zero, so any index byte names a defined colour.
    std::uint8_t palette[kPaletteEntries][4] = {};
    std::uint32_t colours = h.coloursUsed != 0 ? h.coloursUsed : kPaletteEntries;
    if (colours > kPaletteEntries)
        colours = kPaletteEntries;
    if (!file.Seek(kFileHeaderBytes + static_cast<long long>(h.infoSize)) ||
        !file.Read(palette, colours * 4))
        return false;
    bool grey = true;
    for (std::uint32_t c = 0; c < colours; ++c)
        grey = grey && palette[c][0] == palette[c][1] && palette[c][1] == palette[c][2];
    const long long padded = PaddedRow(h.width);
    if (!FindPixelData(file, h, padded) ||
        !image.Allocate(h.width, h.height, grey ? PixelFormat::LUMINANCE : PixelFormat::BGR, 0))
        return false;
    // No larger than the image: one index byte per pixel, padded.
    const std::unique_ptr<std::uint8_t[]> indices(new (std::nothrow)
                                                      std::uint8_t[static_cast<size_t>(padded)]);
    if (!indices)
        return false;
    for (int r = 0; r < h.height; ++r) {
        if (!file.Read(indices.get(), static_cast<size_t>(padded)))
            return false;
        std::uint8_t* to = ImageRow(h, image, r);
        if (grey) {
            for (int x = 0; x < h.width; ++x)
                to[x] = palette[indices[x]][1];
        } else {
            for (int x = 0; x < h.width; ++x, to += 3)
                std::memcpy(to, palette[indices[x]], 3);
        }
    }
    return true;
}

} // namespace

bool ImageExtra::ReadBmp(const char* name) {
    ImageFile file(name);
    if (!file)
        return false;
    BmpHeader header;
    bool ok = ReadHeader(file, header);
    if (ok && header.bitCount == 24)
        ok = Read24(file, header, *this);
    else if (ok && header.bitCount == 8)
        ok = Read8(file, header, *this);
    else
        ok = false;
    if (!ok)
        Clear();
    return ok;
}
