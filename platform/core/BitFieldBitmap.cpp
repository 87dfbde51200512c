// Bitmap headers and the bit-field decoder. The rows are read one at a time straight into the
// picture, so a load holds the picture and one row of the file.
#include "platform/core/BitFieldBitmap.h"
#include "platform/core/InputFile.h"

#include "platform/PictureBudget.h"

#include <climits>
#include <cstdio>
#include <new>
#include <utility>

namespace win32 {

namespace {

constexpr std::uint32_t kBitFields = 3;

std::uint32_t Le16(const std::uint8_t* p) {
    return p[0] | p[1] << 8;
}

std::uint32_t Le32(const std::uint8_t* p) {
    return Le16(p) | Le16(p + 2) << 16;
}

// A position past what fseek takes (2 GiB where long is 32 bits) fails, never wraps.
bool SeekTo(std::FILE* file, long long position) {
    return position <= LONG_MAX && std::fseek(file, static_cast<long>(position), SEEK_SET) == 0;
}

// One channel: where it sits in the pixel and, for each of its values, the 8-bit value.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint8_t widened[256] = {};

    // False when the mask is not one run of at most 8 bits.
    bool Set(std::uint32_t m) {
        mask = m;
        if (m == 0)
            return true;
        while (!(m & 1)) {
            m >>= 1;
            ++shift;
        }
        int bits = 0;
        while (m & 1) {
            m >>= 1;
            ++bits;
        }
        if (m != 0 || bits > 8)
            return false;
        // v's bits, then its top bits again, until there are 8 of them.
        for (int v = 0; v < 1 << bits; ++v) {
            int wide = 0;
            for (int at = 8 - bits; at > -bits; at -= bits)
                wide |= at >= 0 ? v << at : v >> -at;
            widened[v] = static_cast<std::uint8_t>(wide);
        }
        return true;
    }

    std::uint8_t Of(std::uint32_t pixel) const { return widened[(pixel & mask) >> shift]; }
};

} // namespace

bool ReadBitmapFileHeader(const std::string& path, BitmapFileHeader& h) {
    InputFile f(path);
    // The file header, a 40-byte information header and the three masks that follow it (or
    // the same bytes of a larger header, which holds the masks there).
    std::uint8_t b[66] = {};
    const size_t got = f.file ? std::fread(b, 1, sizeof b, f.file) : 0;
    if (got < 26 || b[0] != 'B' || b[1] != 'M')
        return false;
    h = BitmapFileHeader();
    h.dataOffset = Le32(b + 10);
    h.infoSize = Le32(b + 14);
    if (h.infoSize == 12) {
        h.width = Le16(b + 18);
        h.height = Le16(b + 20);
        h.planes = static_cast<int>(Le16(b + 22));
        h.bitCount = static_cast<int>(Le16(b + 24));
        return true;
    }
    if (h.infoSize < 40 || got < 54)
        return false;
    h.width = static_cast<std::int32_t>(Le32(b + 18));
    h.height = static_cast<std::int32_t>(Le32(b + 22));
    h.planes = static_cast<int>(Le16(b + 26));
    h.bitCount = static_cast<int>(Le16(b + 28));
    h.compression = Le32(b + 30);
    h.hasMasks = h.compression == kBitFields && got >= 66;
    if (h.hasMasks)
        for (int c = 0; c < 3; ++c)
            h.masks[c] = Le32(b + 54 + 4 * c);
    return true;
}

bool BitmapFitsBudget(const BitmapFileHeader& h) {
    const long long width = h.width < 0 ? -h.width : h.width;
    const long long height = h.height < 0 ? -h.height : h.height;
    return width * height <= static_cast<long long>(kMaxPictureBytes / 4);
}

bool DecodeBitFieldBitmap(const std::string& path, const BitmapFileHeader& h, Dib24& out) {
    Channel red, green, blue;
    const int pixelBytes = h.bitCount / 8;
    if (!IsBitFieldBitmap(h) || !h.hasMasks || h.planes != 1 || !red.Set(h.masks[0]) ||
        !green.Set(h.masks[1]) || !blue.Set(h.masks[2]) ||
        (pixelBytes == 2 && (h.masks[0] | h.masks[1] | h.masks[2]) > 0xFFFF))
        return false;
    const long long width = h.width, height = h.height < 0 ? -h.height : h.height;
    if (width < 1 || height < 1 || !BitmapFitsBudget(h))
        return false;
    const long long fileRow = (width * pixelBytes + 3) / 4 * 4;
    const long long stride = (width * 3 + 3) / 4 * 4;
    // The file must hold every row before the picture is allocated.
    InputFile f(path);
    if (!f.file || std::fseek(f.file, 0, SEEK_END) != 0)
        return false;
    const long long length = std::ftell(f.file);
    if (length < 0 || fileRow * height > length - static_cast<long long>(h.dataOffset) ||
        !SeekTo(f.file, h.dataOffset))
        return false;
    std::unique_ptr<std::uint8_t[]> bits(new (std::nothrow)
                                             std::uint8_t[static_cast<size_t>(stride * height)]());
    std::unique_ptr<std::uint8_t[]> row(new (std::nothrow)
                                            std::uint8_t[static_cast<size_t>(fileRow)]);
    if (!bits || !row)
        return false;
    for (long long r = 0; r < height; ++r) {
        if (std::fread(row.get(), 1, static_cast<size_t>(fileRow), f.file) !=
            static_cast<size_t>(fileRow))
            return false;
        // The file's rows run bottom row first unless the height is negative.
        std::uint8_t* to = bits.get() + (h.height < 0 ? height - 1 - r : r) * stride;
        const std::uint8_t* from = row.get();
        for (long long x = 0; x < width; ++x, from += pixelBytes, to += 3) {
            const std::uint32_t pixel = pixelBytes == 2 ? Le16(from) : Le32(from);
            to[0] = blue.Of(pixel);
            to[1] = green.Of(pixel);
            to[2] = red.Of(pixel);
        }
    }
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.stride = static_cast<int>(stride);
    out.bits = std::move(bits);
    return true;
}

} // namespace win32
