// Picture sizes from file headers, by the first bytes of the file. Each walk moves forwards
// through the file, so its work is bounded by the file's length.
#include "framework/ImageClaims.h"

#include "framework/ImageFile.h"

#include "platform/PictureBudget.h"

#include <cstdio>
#include <cstring>

namespace {

bool Fits(long long width, long long height) {
    width = width < 0 ? -width : width;
    height = height < 0 ? -height : height;
    // Divided, not multiplied: two 32-bit sizes can overflow a product.
    const long long limit = static_cast<long long>(kMaxPictureBytes / 4);
    return width == 0 || height <= limit / width;
}

std::uint16_t Be16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

std::uint32_t Be32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(Be16(p)) << 16 | Be16(p + 2);
}

long long Signed32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(Le32(p));
}

// A bitmap information header: the 12-byte core header has 16-bit sizes, the others 32-bit.
// `halfHeight`: an icon's header counts the mask's rows too.
bool BitmapInfoFits(const std::uint8_t* info, bool halfHeight) {
    const bool core = Le32(info) == 12;
    const long long width = core ? Le16(info + 4) : Signed32(info + 4);
    long long height = core ? Le16(info + 6) : Signed32(info + 8);
    if (halfHeight)
        height /= 2;
    return Fits(width, height);
}

// A bitmap file: its picture within the budget, and the pixel data its header states within
// the file. The system's bitmap loader reads the rows of an uncompressed bitmap without
// looking where the file ends (Wine's faults on a short one).
bool BitmapFileFits(ImageFile& file, const std::uint8_t* head, size_t got) {
    const std::uint8_t* info = head + 14;
    const bool core = got >= 18 && Le32(info) == 12;
    if (got < (core ? 26u : 54u))
        return false; // shorter than its own headers
    if (!BitmapInfoFits(info, false))
        return false;
    const long long width = core ? Le16(info + 4) : Signed32(info + 4);
    const long long height = core ? Le16(info + 6) : Signed32(info + 8);
    const long long bits = Le16(info + (core ? 10 : 14));
    const std::uint32_t compression = core ? 0 : Le32(info + 16);
    const long long rows =
        ((width < 0 ? -width : width) * bits + 31) / 32 * 4 * (height < 0 ? -height : height);
    const long long data = compression == 0 || compression == 3 ? rows : Le32(info + 20);
    const long long length = file.Length();
    return length >= 0 && static_cast<long long>(Le32(head + 10)) + data <= length;
}

bool PngFits(const std::uint8_t* head) {
    return Fits(Be32(head + 16), Be32(head + 20));
}

// Markers up to the first frame header; the frame header holds height, then width.
bool JpegFits(ImageFile& file) {
    long long at = 2;
    std::uint8_t m[9];
    while (file.Seek(at) && file.Read(m, 2) && m[0] == 0xFF) {
        const int marker = m[1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2; // markers without a segment
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA)
            return true; // no frame before the data
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (!file.Read(m + 2, frame ? 7 : 2))
            return true;
        if (frame)
            return Fits(Be16(m + 7), Be16(m + 5));
        at += 2 + Be16(m + 2);
    }
    return true;
}

// The logical screen, then the first image, past the colour table and any extensions.
bool GifFits(ImageFile& file, const std::uint8_t* head) {
    if (!Fits(Le16(head + 6), Le16(head + 8)))
        return false;
    long long at = 13 + (head[10] & 0x80 ? 3LL << ((head[10] & 7) + 1) : 0);
    std::uint8_t b[10];
    while (file.Seek(at) && file.Read(b, 1)) {
        if (b[0] == 0x2C)
            return !file.Read(b + 1, 9) || Fits(Le16(b + 5), Le16(b + 7));
        if (b[0] != 0x21 || !file.Read(b + 1, 1))
            return true;
        at += 2;
        // Sub-blocks, each led by its length, up to an empty one.
        while (file.Seek(at) && file.Read(b, 1) && b[0] != 0)
            at += 1 + b[0];
        ++at;
    }
    return true;
}

// Every image of the directory: a PNG file or a bitmap information header.
bool IconFits(ImageFile& file, const std::uint8_t* head) {
    const int count = Le16(head + 4);
    for (int i = 0; i < count; ++i) {
        std::uint8_t entry[16], image[24];
        if (!file.Seek(6 + 16LL * i) || !file.Read(entry, sizeof entry))
            return true;
        if (!file.Seek(Le32(entry + 12)) || !file.Read(image, sizeof image))
            continue;
        const bool png = std::memcmp(image, "\x89PNG", 4) == 0;
        if (!(png ? PngFits(image) : BitmapInfoFits(image, true)))
            return false;
    }
    return true;
}

} // namespace

bool PictureHeaderFits(const char* name) {
    ImageFile file(name);
    if (!file)
        return true;
    // Enough for a bitmap's headers, or the sizes of a PNG or a GIF. A file too short for the
    // sizes of its kind claims nothing.
    std::uint8_t head[54] = {};
    const size_t got = std::fread(head, 1, sizeof head, file.Get());
    const auto starts = [&](const char* magic, size_t length) {
        return got >= length && std::memcmp(head, magic, length) == 0;
    };
    if (starts("BM", 2))
        return BitmapFileFits(file, head, got);
    if (starts("\x89PNG\r\n\x1A\n", 8))
        return got < 24 || PngFits(head);
    if (starts("\xFF\xD8", 2))
        return JpegFits(file);
    if (starts("GIF8", 4))
        return got < 13 || GifFits(file, head);
    if (starts("\0\0\1\0", 4) || starts("\0\0\2\0", 4))
        return got < 6 || IconFits(file, head);
    return true;
}
