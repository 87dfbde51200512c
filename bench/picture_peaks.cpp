// Peak memory and time of loading the worst picture files we can craft: for each reader, a
// file that claims far more than it holds and the largest file it takes. Each load runs in a
// child process of its own (Image::Load, the whole chain of readers); its peak resident size,
// less what it started with, is the memory the load took. Big files are written sparse.
// Run by hand: picture_peaks [folder]  (default: a fresh folder under /tmp, removed after)
#include "framework/Image.h"

#include "tests/support/ChildRun.h"
#include "tests/support/PictureBytes.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Crafted {
    const char* name;
    Bytes head;       // what the file starts with
    long long length; // its whole length; the rest reads as zeros
};

// Headers (and a few bytes of body) of a picture w x h; the rest of the file is sparse.
Crafted Sparse(const char* name, Bytes head, long long length) {
    return {name, std::move(head), length};
}

long long Padded(long long bytes) {
    return (bytes + 3) / 4 * 4;
}

// A colour palette, so an 8-bit picture becomes 24-bit (3 bytes a pixel).
Bytes ColourPalette() {
    Bytes palette(1024, 0);
    for (int i = 0; i < 256; ++i)
        palette[4 * i + 2] = static_cast<std::uint8_t>(i);
    return palette;
}

Crafted BmpSparse(const char* name, int width, int height, int bits, const Bytes& palette,
                  const BmpLayout& layout = {}) {
    const long long rows = Padded(static_cast<long long>(width) * bits / 8) *
                           (height < 0 ? -static_cast<long long>(height) : height);
    Bytes head = Bmp(width, height, bits, palette, {}, layout);
    Put32(head, kImageSize, static_cast<std::uint32_t>(rows));
    const long long length = static_cast<long long>(head.size()) + rows;
    return Sparse(name, std::move(head), length);
}

// Run-length TGA of 32-bit pixels in packets of 128, the largest expansion the format has.
Crafted RunLengthTga(const char* name, int width, int height) {
    const long long packets = (static_cast<long long>(width) * height + 127) / 128;
    Bytes data;
    data.reserve(static_cast<size_t>(packets * 5));
    for (long long i = 0; i < packets; ++i)
        data.insert(data.end(), {0xFF, 0x30, 0x60, 0x90, 0xFF});
    Bytes file = Tga(10, width, height, 32, 8, data, true);
    const long long length = static_cast<long long>(file.size());
    return {name, std::move(file), length};
}

Crafted RawTga(const char* name, int width, int height, int descriptor) {
    const Bytes head = Tga(2, width, height, 32, descriptor, {});
    return Sparse(name, head, 18 + 4LL * width * height);
}

std::vector<Crafted> Files() {
    BmpLayout fields;
    fields.compression = 3;
    fields.masks = {0xFF0000, 0xFF00, 0xFF};
    BmpLayout runLength;
    runLength.compression = 1;
    const Bytes endOfBitmap = {0, 1};
    auto rle = [&](const char* name, int width, int height) {
        Bytes file = Bmp(width, height, 8, ColourPalette(), endOfBitmap, runLength);
        const long long length = static_cast<long long>(file.size());
        return Crafted{name, std::move(file), length};
    };
    return {
        RunLengthTga("tga-rle-65535x8191.tga", 65535, 8191),
        RunLengthTga("tga-rle-4096x4096.tga", 4096, 4096),
        RawTga("tga-raw-65535x8191.tga", 65535, 8191, 8),
        RawTga("tga-raw-top-4096x4096.tga", 4096, 4096, 0x28),
        BmpSparse("bmp8-23170x23170.bmp", 23170, 23170, 8, ColourPalette()),
        BmpSparse("bmp24-16383x21845.bmp", 16383, 21845, 24, {}),
        BmpSparse("bmp8-4096x5461.bmp", 4096, 5461, 8, ColourPalette()),
        BmpSparse("bmp24-top-4095x-5461.bmp", 4095, -5461, 24, {}),
        BmpSparse("bmp32-fields-4096x4096.bmp", 4096, 4096, 32, {}, fields),
        BmpSparse("bmp32-fields-8192x8192.bmp", 8192, 8192, 32, {}, fields),
        BmpSparse("bmp32-4096x4096.bmp", 4096, 4096, 32, {}),
        rle("bmp-rle8-65535x65535.bmp", 65535, 65535),
        rle("bmp-rle8-4096x4096.bmp", 4096, 4096),
    };
}

bool Write(const std::string& path, const Crafted& file) {
    if (!WriteBytes(path, file.head))
        return false;
    return truncate(path.c_str(), static_cast<off_t>(file.length)) == 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string folder;
    bool scratch = argc < 2;
    if (scratch) {
        char name[] = "/tmp/moonhop-peaks-XXXXXX";
        if (!mkdtemp(name))
            return 1;
        folder = name;
    } else {
        folder = argv[1];
    }
    const auto load = [] {
        double average[3];
        return getloadavg(average, 3) == 3 ? average[0] : -1.0;
    };
    std::printf("machine load %.2f\n", load());
    std::printf("%-28s %14s %10s %12s %10s\n", "file", "bytes", "outcome", "peak MiB", "ms");
    for (const Crafted& file : Files()) {
        const std::string path = folder + "/" + file.name;
        if (!Write(path, file)) {
            std::printf("%-28s cannot be written\n", file.name);
            continue;
        }
        const auto start = std::chrono::steady_clock::now();
        const ChildRun run = RunInChild([&] {
            Image image;
            if (!image.Load(path.c_str()))
                return 0;
            return 1 + (image.Width() > 0);
        });
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        const char* outcome = !run.finished ? "crashed" : run.result ? "loaded" : "refused";
        std::printf("%-28s %14lld %10s %12.1f %10.0f\n", file.name, file.length, outcome,
                    run.peakBytes / 1048576.0, ms);
        std::fflush(stdout);
        std::remove(path.c_str());
    }
    std::printf("machine load %.2f\n", load());
    if (scratch)
        rmdir(folder.c_str());
    return 0;
}
