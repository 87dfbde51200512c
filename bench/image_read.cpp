// Reading a 2048 x 1024 picture from the page cache: 24-bit BMP, uncompressed TGA and
// run-length TGA. Throughput counts the pixel bytes delivered.
#include "framework/Image.h"
#include "framework/ImageExtra.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 2048;
constexpr int kHeight = 1024;
using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

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
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(file.data(), 1, file.size(), f);
    std::fclose(f);
    return path;
}

std::string BmpFile() {
    const Bytes pixels = Pixels();
    Bytes file = {'B', 'M'};
    Put(file, 54 + pixels.size(), 4);
    Put(file, 0, 4);
    Put(file, 54, 4);
    Put(file, 40, 4);
    Put(file, kWidth, 4);
    Put(file, kHeight, 4);
    Put(file, 1, 2);
    Put(file, 24, 2);
    Put(file, 0, 4);
    Put(file, pixels.size(), 4);
    Put(file, 0, 16);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return Write("24.bmp", file);
}

Bytes TgaHeader(int type) {
    Bytes file = {0, 0, static_cast<std::uint8_t>(type)};
    Put(file, 0, 9);
    Put(file, kWidth, 2);
    Put(file, kHeight, 2);
    file.push_back(24);
    file.push_back(0);
    return file;
}

std::string TgaFile() {
    const Bytes pixels = Pixels();
    Bytes file = TgaHeader(2);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return Write("24.tga", file);
}

// Runs of equal pixels become run packets, everything else raw packets.
std::string RunLengthTgaFile() {
    const Bytes pixels = Pixels();
    Bytes file = TgaHeader(10);
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
            file.push_back(static_cast<std::uint8_t>(0x80 | (run - 1)));
            file.insert(file.end(), &pixels[3 * i], &pixels[3 * i] + 3);
        } else {
            size_t raw = 1;
            while (i + raw < count && raw < 128 &&
                   !(i + raw + 1 < count && same(i + raw, i + raw + 1)))
                ++raw;
            file.push_back(static_cast<std::uint8_t>(raw - 1));
            file.insert(file.end(), &pixels[3 * i], &pixels[3 * i] + 3 * raw);
            run = raw;
        }
        i += run;
    }
    return Write("24-rle.tga", file);
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
