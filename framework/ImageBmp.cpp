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

// Bytes of pixel data the file states, or -1 when the padded rows do not fit in them or the
// file does not hold them all. Checked before anything is allocated, so a short file cannot
// make us reserve what it claims. Leaves the file at the start of the pixel data.
long long CheckPixelData(ImageFile& file, const BmpHeader& h, long long padded) {
    const long long rows = padded * h.height;
    const long long dataSize = h.imageSize != 0 ? h.imageSize : rows;
    const long long length = file.Length();
    if (rows > dataSize || length < 0 || dataSize > length - static_cast<long long>(h.dataOffset) ||
        !file.Seek(h.dataOffset))
        return -1;
    return dataSize;
}

// The whole pixel data, as the file states its size.
std::unique_ptr<std::uint8_t[]> ReadPixelData(ImageFile& file, const BmpHeader& h,
                                              long long padded) {
    const long long dataSize = CheckPixelData(file, h, padded);
    if (dataSize < 0)
        return nullptr;
    std::unique_ptr<std::uint8_t[]> data(new (std::nothrow)
                                             std::uint8_t[static_cast<size_t>(dataSize)]);
    if (!data || !file.Read(data.get(), static_cast<size_t>(dataSize)))
        return nullptr;
    return data;
}

long long PaddedRow(long long rowBytes) {
    return (rowBytes + 3) & ~3LL;
}

int SourceRow(const BmpHeader& h, int i) {
    return h.topDown ? h.height - 1 - i : i;
}

bool Read24(ImageFile& file, const BmpHeader& h, ImageExtra& image) {
    const long long rowBytes = 3LL * h.width;
    if (rowBytes > INT_MAX)
        return false;
    const long long padded = PaddedRow(rowBytes);
    if (padded == rowBytes && !h.topDown) {
        // The file's rows are the image's rows: read them in place. The check has made sure
        // the file holds all the data it states.
        return CheckPixelData(file, h, padded) >= 0 &&
               image.Allocate(h.width, h.height, PixelFormat::BGR, 0) &&
               file.Read(image.pixels, static_cast<size_t>(image.size));
    }
    const auto data = ReadPixelData(file, h, padded);
    if (!data || !image.Allocate(h.width, h.height, PixelFormat::BGR, 0))
        return false;
    for (int i = 0; i < h.height; ++i)
        std::memcpy(image.pixels + static_cast<long long>(i) * image.stride,
                    data.get() + SourceRow(h, i) * padded, static_cast<size_t>(rowBytes));
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
    const long long padded = PaddedRow(h.width);
    const auto data = ReadPixelData(file, h, padded);
    if (!data)
        return false;
    bool grey = true;
    for (std::uint32_t c = 0; c < colours; ++c)
        grey = grey && palette[c][0] == palette[c][1] && palette[c][1] == palette[c][2];
    if (!image.Allocate(h.width, h.height, grey ? PixelFormat::LUMINANCE : PixelFormat::BGR, 0))
        return false;
    for (int i = 0; i < h.height; ++i) {
        const std::uint8_t* from = data.get() + SourceRow(h, i) * padded;
        std::uint8_t* to = image.pixels + static_cast<long long>(i) * image.stride;
        if (grey) {
            for (int x = 0; x < h.width; ++x)
                to[x] = palette[from[x]][1];
        } else {
            for (int x = 0; x < h.width; ++x, to += 3)
                std::memcpy(to, palette[from[x]], 3);
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
