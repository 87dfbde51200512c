// Reading a 2048 x 1024 picture from the page cache: 24-bit BMP, uncompressed TGA and
// run-length TGA. Throughput counts the pixel bytes delivered.
#include "framework/Image.h"
#include "framework/ImageExtra.h"

#include "tests/support/PictureBytes.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 2048;
constexpr int kHeight = 1024;
// A star field: mostly black with scattered light, as the game's sky is.
Bytes Pixels() {
    Bytes pixels(kWidth * kHeight * 3, 0);
    std::uint32_t state = 12345;
    for (size_t i = 0; i < pixels.size(); i += 3) {
        state = state * 1664525u + 1013904223u;
        if ((state >> 24) < 6)
            pixels[i] = pixels[i + 1] = pixels[i + 2] = static_cast<std::uint8_t>(state >> 8);
    }
    return pixels;
}

std::string Write(const char* name, const Bytes& file) {
    const std::string path = std::string("/tmp/moonhop-bench-") + name;
    WriteBytes(path, file);
    return path;
}

std::string BmpFile() {
    return Write("24.bmp", Bmp(kWidth, kHeight, 24, {}, Pixels()));
}

std::string TgaFile() {
    return Write("24.tga", Tga(2, kWidth, kHeight, 24, 0, Pixels()));
}

// Runs of equal pixels become run packets, everything else raw packets.
std::string RunLengthTgaFile() {
    const Bytes pixels = Pixels();
    Bytes data;
    const size_t count = pixels.size() / 3;
    auto same = [&](size_t a, size_t b) {
        return pixels[3 * a] == pixels[3 * b] && pixels[3 * a + 1] == pixels[3 * b + 1] &&
               pixels[3 * a + 2] == pixels[3 * b + 2];
    };
    for (size_t i = 0; i < count;) {
        size_t run = 1;
        while (i + run < count && run < 128 && same(i, i + run))
            ++run;
        if (run > 1) {
            data.push_back(static_cast<std::uint8_t>(0x80 | (run - 1)));
            data.insert(data.end(), &pixels[3 * i], &pixels[3 * i] + 3);
        } else {
            size_t raw = 1;
            while (i + raw < count && raw < 128 &&
                   !(i + raw + 1 < count && same(i + raw, i + raw + 1)))
                ++raw;
            data.push_back(static_cast<std::uint8_t>(raw - 1));
            data.insert(data.end(), &pixels[3 * i], &pixels[3 * i] + 3 * raw);
            run = raw;
        }
        i += run;
    }
    return Write("24-rle.tga", Tga(10, kWidth, kHeight, 24, 0, data));
}

template <bool (ImageExtra::*Reader)(const char*)>
void Read(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        Image image;
        if (!(image.extra->*Reader)(path.c_str()))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(image.extra->pixels);
    }
    state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 3);
}

void BM_ReadBmp24(benchmark::State& state) {
    static const std::string path = BmpFile();
    Read<&ImageExtra::ReadBmp>(state, path);
}
BENCHMARK(BM_ReadBmp24)->Unit(benchmark::kMillisecond);

void BM_ReadTgaUncompressed(benchmark::State& state) {
    static const std::string path = TgaFile();
    Read<&ImageExtra::ReadTga>(state, path);
}
BENCHMARK(BM_ReadTgaUncompressed)->Unit(benchmark::kMillisecond);

void BM_ReadTgaRunLength(benchmark::State& state) {
    static const std::string path = RunLengthTgaFile();
    Read<&ImageExtra::ReadTga>(state, path);
}
BENCHMARK(BM_ReadTgaRunLength)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
