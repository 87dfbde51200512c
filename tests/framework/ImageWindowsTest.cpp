// The reader through the platform's bitmap loader: every BMP variant our own reader leaves.
#include "tests/support/ImageTestFiles.h"

#include "tests/support/Wine.h"

namespace {

class ImageWindows : public ScratchTest {
  protected:
    // Both readers on the same file: ours must refuse it, the platform's must read it.
    void ReadWithLoaderOnly(const Bytes& file) {
        WriteFile("in.bmp", file);
        EXPECT_FALSE(image.extra->ReadBmp("in.bmp"));
        ASSERT_TRUE(image.extra->ReadWindowsBitmap("in.bmp"));
        EXPECT_EQ(image.extra->format, PixelFormat::BGR);
        EXPECT_EQ(image.extra->stride % 4, 0);
        EXPECT_EQ(image.extra->stride, (image.Width() * 3 + 3) / 4 * 4);
    }

    Image image;
};

TEST_F(ImageWindows, RunLength8Bit) {
    Bytes palette(4 * 3, 0);
    palette[4 * 1 + 2] = 200; // 1: red
    palette[4 * 2 + 1] = 150; // 2: green
    // Row 0 (bottom): three of colour 1, two of 2; row 1: five of 2; then the end.
    const Bytes data = {3, 1, 2, 2, 0, 0, 5, 2, 0, 0, 0, 1};
    ReadWithLoaderOnly(Bmp(5, 2, 8, palette, data, 1));
    ASSERT_EQ(image.Width(), 5);
    ASSERT_EQ(image.Height(), 2);
    EXPECT_EQ(RowBytes(image, 0), (Bytes{0, 0, 200, 0, 0, 200, 0, 0, 200, 0, 150, 0, 0, 150, 0}));
    EXPECT_EQ(RowBytes(image, 1), (Bytes{0, 150, 0, 0, 150, 0, 0, 150, 0, 0, 150, 0, 0, 150, 0}));
}

TEST_F(ImageWindows, PixelsTheRunsSkipAreBlack) {
    const Bytes palette = {10, 20, 30, 0, 0, 0, 200, 0}; // 0: not black, 1: red
    // 8-bit, 4 x 3. Bottom row: one red pixel, then the row ends; from the next row a jump of
    // one to the right and one up, then three red pixels in absolute mode; then the end.
    const Bytes eight = {1, 1, 0, 0, 0, 2, 1, 1, 0, 3, 1, 1, 1, 0, 0, 1};
    ReadWithLoaderOnly(Bmp(4, 3, 8, palette, eight, 1));
    const Bytes black(3, 0), red = {0, 0, 200};
    auto pixel = [&](int x, int y) {
        const Bytes row = RowBytes(image, y);
        return Bytes(row.begin() + 3 * x, row.begin() + 3 * x + 3);
    };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            const bool written = (y == 0 && x == 0) || (y == 2 && x >= 1);
            EXPECT_EQ(pixel(x, y), written ? red : black) << x << "," << y;
        }
    // 4-bit: two pixels of colour 1 in one run, then the end.
    ReadWithLoaderOnly(Bmp(4, 1, 4, palette, {2, 0x11, 0, 1}, 2));
    EXPECT_EQ(pixel(1, 0), red);
    EXPECT_EQ(pixel(2, 0), black);
}

TEST_F(ImageWindows, SixteenBit) {
    // 5-5-5: a pure red and a pure blue pixel, then padding.
    const Bytes data = {0x00, 0x7C, 0x1F, 0x00};
    ReadWithLoaderOnly(Bmp(2, 1, 16, {}, data));
    const Bytes row = RowBytes(image, 0);
    ASSERT_EQ(row.size(), 6u);
    EXPECT_EQ(row[0], 0);
    EXPECT_EQ(row[1], 0);
    EXPECT_GE(row[2], 248);
    EXPECT_GE(row[3], 248);
    EXPECT_EQ(row[4], 0);
    EXPECT_EQ(row[5], 0);
}

TEST_F(ImageWindows, TopDownRowsAreTurnedAround) {
    if (UnderWine())
        GTEST_SKIP() << "Wine's LoadImageA loads a top-down bitmap file with every pixel black";
    // 16-bit, two rows, stored top row (red) first.
    ReadWithLoaderOnly(Bmp(1, -2, 16, {}, {0x00, 0x7C, 0, 0, 0x1F, 0x00, 0, 0}));
    EXPECT_GE(RowBytes(image, 0)[0], 248); // bottom row: blue
    EXPECT_GE(RowBytes(image, 1)[2], 248); // top row: red
}

TEST_F(ImageWindows, OneAndFourBitPalettes) {
    const Bytes palette = {10, 20, 30, 0, 40, 50, 60, 0, 70, 80, 90, 0};
    // 1 bit: pixels 0, 1, 1 in the top bits of the row's first byte.
    ReadWithLoaderOnly(Bmp(3, 1, 1, Bytes(palette.begin(), palette.begin() + 8), {0x60, 0, 0, 0}));
    EXPECT_EQ(RowBytes(image, 0), (Bytes{10, 20, 30, 40, 50, 60, 40, 50, 60}));
    // 4 bits: pixels 2, 0, 1.
    ReadWithLoaderOnly(Bmp(3, 1, 4, palette, {0x20, 0x10, 0, 0}));
    EXPECT_EQ(RowBytes(image, 0), (Bytes{70, 80, 90, 10, 20, 30, 40, 50, 60}));
}

TEST_F(ImageWindows, ThirtyTwoBitKeepsColoursAndDropsAlpha) {
    const Bytes data = {1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255};
    ReadWithLoaderOnly(Bmp(2, 2, 32, {}, data));
    EXPECT_EQ(RowBytes(image, 0), (Bytes{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(RowBytes(image, 1), (Bytes{7, 8, 9, 10, 11, 12}));
}

TEST_F(ImageWindows, LoadFallsThroughToIt) {
    Bytes palette(8, 0);
    palette[4 + 0] = 77;
    WriteFile("rle.bmp", Bmp(2, 1, 8, palette, {2, 1, 0, 1}, 1));
    ASSERT_TRUE(image.Load("rle.bmp"));
    EXPECT_EQ(image.extra->stride, 8);
    EXPECT_EQ(RowBytes(image, 0), (Bytes{77, 0, 0, 77, 0, 0}));
}

TEST_F(ImageWindows, NonBitmapEmptiesTheImage) {
    WriteFile("pic.tga", Tga(2, 1, 1, 24, 0, {1, 2, 3}));
    Fill(image, 3, 3, PixelFormat::RGB);
    EXPECT_FALSE(image.extra->ReadWindowsBitmap("pic.tga"));
    EXPECT_EQ(image.extra->pixels, nullptr);
    Fill(image, 3, 3, PixelFormat::RGB);
    EXPECT_FALSE(image.extra->ReadWindowsBitmap("absent.bmp"));
    EXPECT_EQ(image.extra->pixels, nullptr);
}

TEST_F(ImageWindows, BackslashesSeparateFolders) {
    std::filesystem::create_directory("sub");
    WriteFile("sub/a.bmp", Bmp(1, 1, 32, {}, {1, 2, 3, 0}));
    ASSERT_TRUE(image.extra->ReadWindowsBitmap("sub\\a.bmp"));
    EXPECT_EQ(RowBytes(image, 0), (Bytes{1, 2, 3}));
}

} // namespace
