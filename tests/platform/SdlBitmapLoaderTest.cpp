// Our layer's bitmap loader bounds what one picture may take (64 MB), so that a few bytes of
// run-length data cannot claim gigabytes; Windows' own loader has no such rule. It decodes
// bit-field bitmaps itself, down to channels of one bit, and refuses masks it cannot read.
#include "tests/support/ImageTestFiles.h"

#include "platform/Win32.h"

namespace {

class SdlBitmapLoader : public ScratchTest {
  protected:
    Image image;
};

TEST_F(SdlBitmapLoader, PicturesPastItsLimitAreRefused) {
    // Run-length data that ends at once describes a large picture in a few bytes.
    const Bytes palette = {10, 20, 30, 0};
    WriteFile("big.bmp", Bmp(5000, 5000, 8, palette, {0, 1}, 1));
    EXPECT_FALSE(image.extra->ReadWindowsBitmap("big.bmp"));
    WriteFile("fits.bmp", Bmp(2048, 2048, 8, palette, {0, 1}, 1));
    ASSERT_TRUE(image.extra->ReadWindowsBitmap("fits.bmp"));
    EXPECT_EQ(image.Width(), 2048);
    EXPECT_EQ(RowBytes(image, 2047)[2047 * 3 + 2], 0); // the runs wrote nothing
}

BmpLayout Fields(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    BmpLayout layout;
    layout.compression = 3;
    layout.masks = {red, green, blue};
    return layout;
}

TEST_F(SdlBitmapLoader, BitFieldsOfAnyWidthUpToEightBits) {
    // 16 bits: red 1 bit, green 2, blue 3, and 8 bits of nothing. Repeating 2 bits 01 gives
    // 01010101; 3 bits 101 give 10110110.
    const BmpLayout narrow = Fields(0x0001, 0x0006, 0x0038);
    const Bytes pixels = {0x2D, 0, 0, 0, 0x1A, 0, 0, 0}; // (1, 2, 5) and (0, 1, 3), padded
    for (const char* name : {"narrow.bmp", "narrow-top-down.bmp"}) {
        const bool topDown = name[6] == '-';
        WriteFile(name, Bmp(1, topDown ? -2 : 2, 16, {}, pixels, narrow));
        ASSERT_TRUE(image.extra->ReadWindowsBitmap(name)) << name;
        EXPECT_EQ(RowBytes(image, topDown ? 1 : 0), (Bytes{0xB6, 0xAA, 0xFF})) << name;
        EXPECT_EQ(RowBytes(image, topDown ? 0 : 1), (Bytes{0x6D, 0x55, 0x00})) << name;
    }
    // A channel without a mask stays black; the picture loader reads the same file.
    WriteFile("no-green.bmp",
              Bmp(1, 1, 32, {}, {0x11, 0x22, 0x33, 0x44}, Fields(0xFF000000, 0, 0x000000FF)));
    ASSERT_TRUE(image.extra->ReadWindowsBitmap("no-green.bmp"));
    EXPECT_EQ(RowBytes(image, 0), (Bytes{0x11, 0x00, 0x44}));
    ASSERT_TRUE(image.extra->ReadOlePicture("no-green.bmp"));
    EXPECT_EQ(RowBytes(image, 0), (Bytes{0x11, 0x00, 0x44}));
}

TEST_F(SdlBitmapLoader, BitFieldsItCannotReadAreRefused) {
    const Bytes pixel = {1, 2, 3, 4};
    const Bytes whole = Bmp(1, 1, 32, {}, pixel, Fields(0xFF, 0xFF00, 0xFF0000));
    struct Case {
        const char* what;
        Bytes file;
    } cases[] = {
        {"mask in two runs", Bmp(1, 1, 32, {}, pixel, Fields(0xF0F0, 0xFF0000, 0xFF000000))},
        {"nine-bit mask", Bmp(1, 1, 32, {}, pixel, Fields(0x1FF, 0xFF0000, 0xFF000000))},
        {"mask past 16 bits", Bmp(2, 1, 16, {}, pixel, Fields(0x1F, 0x3E0, 0x10000))},
        {"rows cut short", Bmp(2, 1, 32, {}, pixel, Fields(0xFF, 0xFF00, 0xFF0000))},
        {"masks cut short", Bytes(whole.begin(), whole.begin() + 60)},
    };
    // Straight to the loader: the framework would refuse the short files before it.
    for (const Case& c : cases) {
        WriteFile("fields.bmp", c.file);
        EXPECT_EQ(LoadImageA(nullptr, "fields.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr)
            << c.what;
    }
}

} // namespace
