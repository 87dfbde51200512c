// Conversion between the seven pixel formats.
#include "tests/support/ImageTestFiles.h"

namespace {

Image OnePixel(PixelFormat format, const Bytes& pixel, int padding = 0) {
    Image image;
    EXPECT_TRUE(image.extra->Allocate(1, 1, format, padding));
    std::copy(pixel.begin(), pixel.end(), image.extra->pixels);
    return image;
}

Bytes Converted(PixelFormat from, const Bytes& pixel, PixelFormat to) {
    Image image = OnePixel(from, pixel);
    EXPECT_TRUE(image.ConvertTo(to));
    EXPECT_EQ(image.extra->format, to);
    return RowBytes(image, 0);
}

using F = PixelFormat;

TEST(ImageConvert, TheWholeTable) {
    // One source pixel per format, and what every other format makes of it. The colour
    // (red 10, green 20, blue 30) has the grey 18.
    const struct {
        F format;
        Bytes pixel;
        Bytes to[7];
    } rows[] = {
        {F::RGB,
         {10, 20, 30},
         {{}, {10, 20, 30, 255}, {30, 20, 10}, {30, 20, 10, 255}, {18}, {18, 255}, {18}}},
        {F::RGBA,
         {10, 20, 30, 40},
         {{10, 20, 30}, {}, {30, 20, 10}, {30, 20, 10, 40}, {18}, {18, 40}, {40}}},
        {F::BGR,
         {30, 20, 10},
         {{10, 20, 30}, {10, 20, 30, 255}, {}, {30, 20, 10, 255}, {18}, {18, 255}, {18}}},
        {F::BGRA,
         {30, 20, 10, 40},
         {{10, 20, 30}, {10, 20, 30, 40}, {30, 20, 10}, {}, {18}, {18, 40}, {40}}},
        {F::LUMINANCE,
         {77},
         {{77, 77, 77}, {77, 77, 77, 255}, {77, 77, 77}, {77, 77, 77, 255}, {}, {77, 255}, {77}}},
        {F::LUMINANCE_ALPHA,
         {77, 40},
         {{77, 77, 77}, {77, 77, 77, 40}, {77, 77, 77}, {77, 77, 77, 40}, {77}, {}, {40}}},
        {F::ALPHA,
         {99},
         {{99, 99, 99}, {99, 99, 99, 99}, {99, 99, 99}, {99, 99, 99, 99}, {99}, {0, 99}, {}}},
    };
    for (const auto& row : rows) {
        for (int t = 0; t < 7; ++t) {
            if (t == static_cast<int>(row.format))
                continue;
            EXPECT_EQ(Converted(row.format, row.pixel, static_cast<F>(t)), row.to[t])
                << static_cast<int>(row.format) << " -> " << t;
        }
    }
}

TEST(ImageConvert, GreyIsTruncatedAfterAddingAHalf) {
    EXPECT_EQ(Converted(F::RGB, {255, 255, 255}, F::LUMINANCE), Bytes{255});
    EXPECT_EQ(Converted(F::RGB, {0, 0, 0}, F::LUMINANCE), Bytes{0});
    EXPECT_EQ(Converted(F::RGB, {1, 0, 0}, F::LUMINANCE), Bytes{0}); // 0.8
    EXPECT_EQ(Converted(F::RGB, {0, 1, 0}, F::LUMINANCE), Bytes{1}); // 1.1
    EXPECT_EQ(Converted(F::BGR, {5, 0, 0}, F::LUMINANCE), Bytes{1}); // blue 5: 1.0000000075
    EXPECT_EQ(Converted(F::RGB, {0, 0, 4}, F::ALPHA), Bytes{0});     // 0.9000000060
}

TEST(ImageConvert, SameFormatKeepsPaddingOtherFormatsDropIt) {
    Image image;
    ASSERT_TRUE(image.extra->Allocate(3, 2, F::BGR, 3));
    ASSERT_TRUE(image.ConvertTo(F::BGR));
    EXPECT_EQ(image.extra->stride, 12);
    for (int i = 0; i < image.extra->size; ++i)
        image.extra->pixels[i] = static_cast<std::uint8_t>(i);
    ASSERT_TRUE(image.ConvertTo(F::RGB));
    EXPECT_EQ(image.extra->stride, 9);
    EXPECT_EQ(image.extra->size, 18);
    EXPECT_EQ(RowBytes(image, 1), (Bytes{14, 13, 12, 17, 16, 15, 20, 19, 18}));
}

TEST(ImageConvert, UnknownFormatsChangeNothing) {
    Image image = OnePixel(F::RGB, {1, 2, 3});
    image.extra->format = static_cast<F>(7);
    const std::uint8_t* store = image.extra->pixels;
    EXPECT_FALSE(image.ConvertTo(F::RGB));
    EXPECT_EQ(image.extra->format, static_cast<F>(7));
    EXPECT_EQ(image.extra->pixels, store);

    Image other = OnePixel(F::RGB, {1, 2, 3});
    EXPECT_FALSE(other.ConvertTo(static_cast<F>(7)));
    EXPECT_FALSE(other.ConvertTo(static_cast<F>(-1)));
    EXPECT_EQ(other.extra->format, F::RGB);
    EXPECT_EQ(RowBytes(other, 0), (Bytes{1, 2, 3}));
}

TEST(ImageConvert, StorePastTheBudgetFailsAndChangesNothing) {
    // 32 MiB of grey fit the budget; as 96 MiB of colour they do not.
    Image image;
    ASSERT_TRUE(image.extra->Allocate(8192, 4096, F::LUMINANCE, 0));
    image.Row(4095)[8191] = 77;
    const std::uint8_t* store = image.extra->pixels;
    EXPECT_FALSE(image.ConvertTo(F::RGB));
    EXPECT_EQ(image.extra->pixels, store);
    EXPECT_EQ(image.extra->format, F::LUMINANCE);
    EXPECT_EQ(image.Row(4095)[8191], 77);
    ASSERT_TRUE(image.ConvertTo(F::LUMINANCE_ALPHA));
    EXPECT_EQ(image.Row(4095)[2 * 8191], 77);
}

TEST(ImageConvert, EmptyImageStaysEmpty) {
    Image image;
    EXPECT_TRUE(image.ConvertTo(F::BGRA));
    EXPECT_EQ(image.extra->pixels, nullptr);
}

} // namespace
