// ConvertTo between BGR and RGB on a 2048 x 1024 picture; items are pixels converted.
#include "framework/Image.h"
#include "framework/ImageExtra.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ConvertBgrRgb(benchmark::State& state) {
    Image image;
    image.extra->Allocate(2048, 1024, PixelFormat::BGR, 0);
    for (int i = 0; i < image.extra->size; ++i)
        image.extra->pixels[i] = static_cast<std::uint8_t>(i * 7);
    for (auto _ : state) {
        // There and back: two conversions of the same cost per iteration.
        image.ConvertTo(PixelFormat::RGB);
        image.ConvertTo(PixelFormat::BGR);
        benchmark::DoNotOptimize(image.extra->pixels);
    }
    state.SetItemsProcessed(state.iterations() * 2 * 2048 * 1024);
}
BENCHMARK(BM_ConvertBgrRgb)->Unit(benchmark::kMillisecond);

void BM_ConvertBgrLuminance(benchmark::State& state) {
    Image source;
    source.extra->Allocate(2048, 1024, PixelFormat::BGR, 0);
    for (int i = 0; i < source.extra->size; ++i)
        source.extra->pixels[i] = static_cast<std::uint8_t>(i * 7);
    for (auto _ : state) {
        state.PauseTiming();
        Image image(source);
        state.ResumeTiming();
        image.ConvertTo(PixelFormat::LUMINANCE);
        benchmark::DoNotOptimize(image.extra->pixels);
    }
    state.SetItemsProcessed(state.iterations() * 2048 * 1024);
}
BENCHMARK(BM_ConvertBgrLuminance)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
