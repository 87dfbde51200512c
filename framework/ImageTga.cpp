// Reader for true-colour TGA files, 24 or 32 bits, uncompressed or run-length encoded. The
// pixels are stored blue, green, red (alpha), the memory order of BGR and BGRA.
#include "framework/Image.h"
#include "framework/ImageExtra.h"
#include "framework/ImageFile.h"

#include <cstring>

namespace {

constexpr int kHeaderBytes = 18;
constexpr int kFooterBytes = 26;
constexpr char kSignature[] = "TRUEVISION-XFILE";

bool HasTgaName(const char* name) {
    const size_t length = std::strlen(name);
    if (length < 5)
        return false;
    const char* ending = name + length - 4;
    return std::strcmp(ending, ".tga") == 0 || std::strcmp(ending, ".TGA") == 0;
}

// Reads the run-length stream through a buffer of its own: packets are one byte apart.
class ByteStream {
  public:
    explicit ByteStream(std::FILE* file) : file(file) {}

    // Copies exactly `count` bytes; false when the file ends first.
    bool Read(std::uint8_t* to, size_t count) {
        while (count > 0) {
            if (next == end && !Refill())
                return false;
            const size_t take = count < static_cast<size_t>(end - next) ? count : end - next;
            std::memcpy(to, next, take);
            next += take;
            to += take;
            count -= take;
        }
        return true;
    }

  private:
    bool Refill() {
        const size_t got = std::fread(buffer, 1, sizeof buffer, file);
        next = buffer;
        end = buffer + got;
        return got > 0;
    }

    std::FILE* file;
    std::uint8_t buffer[1 << 16];
    std::uint8_t* next = buffer;
    std::uint8_t* end = buffer;
};

bool DecodeRunLength(std::FILE* file, std::uint8_t* out, size_t size, int bytesPerPixel) {
    ByteStream stream(file);
    const size_t pixelBytes = static_cast<size_t>(bytesPerPixel);
    std::uint8_t packet = 0;
    size_t done = 0;
    bool more = stream.Read(&packet, 1);
    while (more && done < size) {
        const size_t bytes = ((packet & 0x7F) + 1) * pixelBytes;
        if (bytes > size - done)
            break;
        if (packet & 0x80) {
            if (!stream.Read(out + done, pixelBytes))
                break;
            for (size_t at = pixelBytes; at < bytes; at += pixelBytes)
                std::memcpy(out + done + at, out + done, pixelBytes);
        } else if (!stream.Read(out + done, bytes)) {
            break;
        }
        done += bytes;
        more = stream.Read(&packet, 1);
    }
    return done == size;
}

bool ReadPixels(ImageFile& file, ImageExtra& image, const std::uint8_t* header) {
    const bool runLength = (header[2] & 8) != 0;
    const int width = Le16(header + 12);
    const int height = Le16(header + 14);
    const int bytesPerPixel = header[16] / 8;
    const long long dataStart = kHeaderBytes + header[0];
    // The smallest stream that could fill the picture: whole rows, or for run-length data
    // one run packet per 128 pixels. A file shorter than that is refused before the store
    // it names is allocated.
    const long long pixelCount = static_cast<long long>(width) * height;
    const long long least =
        runLength ? (pixelCount + 127) / 128 * (1 + bytesPerPixel) : pixelCount * bytesPerPixel;
    const long long length = file.Length();
    if (length < 0 || least > length - dataStart || !file.Seek(dataStart))
        return false;
    const PixelFormat format = bytesPerPixel == 4 ? PixelFormat::BGRA : PixelFormat::BGR;
    if (!image.Allocate(width, height, format, 0))
        return false;
    if (runLength)
        return DecodeRunLength(file.Get(), image.pixels, static_cast<size_t>(image.size),
                               bytesPerPixel);
    for (int i = 0; i < height; ++i)
        if (!file.Read(image.pixels + static_cast<long long>(i) * image.stride,
                       static_cast<size_t>(image.rowBytes)))
            return false;
    return true;
}

} // namespace

bool ImageExtra::ReadTga(const char* name) {
    if (!name)
        return false;
    const bool tgaName = HasTgaName(name);
    ImageFile file(name);
    if (!file)
        return false;
    std::uint8_t footer[kFooterBytes];
    std::uint8_t header[kHeaderBytes];
    bool ok = file.SeekFromEnd(kFooterBytes) && file.Read(footer, sizeof footer) &&
              (tgaName || std::memcmp(footer + 8, kSignature, 16) == 0) && file.Seek(0) &&
              file.Read(header, sizeof header);
    ok = ok && (header[2] == 2 || header[2] == 10) && header[1] == 0 &&
         (header[16] == 24 || header[16] == 32) && Le16(header + 12) != 0 && Le16(header + 14) != 0;
    const bool topRowFirst = ok && (header[17] & 0x20) != 0;
    ok = ok && ReadPixels(file, *this, header);
    if (!ok) {
        Clear();
        return false;
    }
    if (topRowFirst)
        owner->FlipVertical();
    return true;
}
