// Our own icon and cursor reader. Of the images a file holds it takes the one with the most
// colours (the first of equals); that image is a PNG file or a bitmap of 1, 4, 8, 24 or 32 bits
// followed by its AND mask. Every byte it needs must be in the file.
#include "platform/core/Pictures.h"

#include <array>
#include <cstring>

namespace win32 {

namespace {

std::uint32_t Le16(const std::uint8_t* p) {
    return p[0] | p[1] << 8;
}

std::uint32_t Le32(const std::uint8_t* p) {
    return Le16(p) | Le16(p + 2) << 16;
}

long long RowBytes(long long width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

// The value of pixel x in a row of 1, 4 or 8 bits, most significant bits first.
int Index(const std::uint8_t* row, long long x, int bits) {
    const long long bit = x * bits;
    return (row[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
}

// A bitmap image: the information header, the colour table, the colour rows and the mask
// rows, rows bottom-up. The header's height counts both sets of rows.
std::unique_ptr<RgbaPicture> DecodeIconBitmap(const std::uint8_t* data, size_t size) {
    if (size < 40)
        return nullptr;
    const std::uint32_t headerBytes = Le32(data);
    const long long width = static_cast<std::int32_t>(Le32(data + 4));
    const long long height = static_cast<std::int32_t>(Le32(data + 8)) / 2;
    const int bits = static_cast<int>(Le16(data + 14));
    const std::uint32_t compression = Le32(data + 16), used = Le32(data + 32);
    if (headerBytes < 40 || compression != 0 || !PictureSizeAllowed(width, height) ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
        return nullptr;
    // Deeper images may carry a table too, which they do not use.
    const long long colours = used != 0 ? used : bits <= 8 ? 1 << bits : 0;
    if (colours > 256)
        return nullptr;
    const long long colourRow = RowBytes(width, bits), maskRow = RowBytes(width, 1);
    const long long needed = headerBytes + colours * 4 + (colourRow + maskRow) * height;
    if (needed > static_cast<long long>(size))
        return nullptr;

    // Entries the table does not give are opaque black.
    std::array<std::uint8_t, 256 * 4> table{};
    const std::uint8_t* entry = data + headerBytes;
    for (long long i = 0; i < colours; ++i, entry += 4) {
        table[4 * i] = entry[2];
        table[4 * i + 1] = entry[1];
        table[4 * i + 2] = entry[0];
    }
    std::unique_ptr<RgbaPicture> picture = NewRgbaPicture(width, height);
    if (!picture)
        return nullptr;
    const std::uint8_t* colourRows = entry;
    const std::uint8_t* maskRows = colourRows + colourRow * height;
    bool anyAlpha = false;
    for (long long y = 0; y < height; ++y) {
        const std::uint8_t* in = colourRows + colourRow * y;
        std::uint8_t* out = picture->Row(height - 1 - y);
        for (long long x = 0; x < width; ++x, out += 4) {
            if (bits <= 8) {
                std::memcpy(out, &table[4 * Index(in, x, bits)], 3);
                continue;
            }
            const std::uint8_t* p = in + x * bits / 8;
            out[0] = p[2];
            out[1] = p[1];
            out[2] = p[0];
            if (bits == 32) {
                out[3] = p[3];
                anyAlpha = anyAlpha || p[3] != 0;
            }
        }
    }
    // A 32-bit image with an alpha channel uses it, as Windows does; all others the mask.
    if (!anyAlpha) {
        for (long long y = 0; y < height; ++y) {
            const std::uint8_t* in = maskRows + maskRow * y;
            std::uint8_t* out = picture->Row(height - 1 - y);
            for (long long x = 0; x < width; ++x)
                out[4 * x + 3] = Index(in, x, 1) ? 0 : 255;
        }
    }
    return picture;
}

} // namespace

std::unique_ptr<RgbaPicture> DecodeIcon(const std::uint8_t* data, size_t size) {
    if (size < 6 || Le16(data) != 0 || (Le16(data + 2) != 1 && Le16(data + 2) != 2))
        return nullptr;
    const std::uint32_t count = Le16(data + 4);
    if (count == 0 || (size - 6) / 16 < count)
        return nullptr;
    // Each directory entry: width, height, colours (0 for 256 or more), reserved, two fields
    // that differ between icons and cursors, the image's length and its offset.
    std::uint32_t offset = 0;
    int mostColours = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = data + 6 + 16 * i;
        const int colours = entry[2] != 0 ? entry[2] : 256;
        if (colours > mostColours) {
            mostColours = colours;
            offset = Le32(entry + 12);
        }
    }
    if (offset >= size)
        return nullptr;
    const std::uint8_t* image = data + offset;
    const size_t left = size - offset;
    static const std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (left >= sizeof kPng && std::memcmp(image, kPng, sizeof kPng) == 0)
        return LinkedPictureCodecs().png ? LinkedPictureCodecs().png(image, left) : nullptr;
    return DecodeIconBitmap(image, left);
}

} // namespace win32
