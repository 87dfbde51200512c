// Our layer's own picture decoders where they choose for themselves: what they refuse (files
// cut short, sizes past the limits, endless progressive scans), which image of an icon they
// take, and colours that Windows' loader would treat its own way.
#include "tests/support/ImageTestFiles.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

class SdlPictureDecoders : public ScratchTest {
  protected:
    bool Read(const Bytes& file) {
        WriteFile("pic", file);
        return image.extra->ReadOlePicture("pic");
    }
    Bytes Cut(const Bytes& file, size_t length) {
        return Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
    }
    Image image;
};

// A 3 x 2 icon of 8 bits, its colours 0, 1, 2 in each row, nothing masked.
Bytes ThreeByTwoIcon(const Bytes& palette) {
    return IconFile(
        1, {{3, 2, 0, IconBitmap(3, 2, 8, palette, {0, 1, 2, 0, 0, 1, 2, 0}, Bytes(8, 0))}});
}

TEST_F(SdlPictureDecoders, PngCutBeforeItsLastPixelIsRefusedSilently) {
    Bytes rgba(5 * 4 * 4);
    for (size_t i = 0; i < rgba.size(); ++i)
        rgba[i] = static_cast<std::uint8_t>(i * 37);
    const Bytes file = PngFile(5, 4, 8, 6, true, PngScanlines(5, 4, 4, rgba, true));
    const size_t pixelsEnd = file.size() - 12; // IEND follows
    CaptureStderr();
    for (size_t length = 0; length < pixelsEnd; ++length)
        EXPECT_FALSE(Read(Cut(file, length))) << length;
    // What follows the pixels cannot change them and is not read.
    EXPECT_TRUE(Read(Cut(file, pixelsEnd)));
    EXPECT_EQ(GetCapturedStderr(), "");
}

TEST_F(SdlPictureDecoders, PngWiderThanTheLimitIsRefused) {
    for (int width : {65535, 65536}) {
        Bytes raw(1 + static_cast<size_t>(width), 9);
        raw[0] = 0; // no filter
        EXPECT_EQ(Read(PngFile(width, 1, 8, 0, false, raw)), width == 65535) << width;
    }
}

TEST_F(SdlPictureDecoders, JpegOfMoreThanAHundredScansIsRefused) {
    const Bytes rgba(8 * 8 * 4, 150);
    JpegShape shape;
    shape.components = 1;
    shape.progressive = true;
    shape.dcScans = 99; // and one more for the rest of the blocks
    EXPECT_TRUE(Read(BlockJpeg(8, 8, rgba, shape)));
    EXPECT_NEAR(image.Row(3)[0], 150, 2);
    shape.dcScans = 100;
    EXPECT_FALSE(Read(BlockJpeg(8, 8, rgba, shape)));
}

TEST_F(SdlPictureDecoders, CmykJpegComesOutAsRgb) {
    // Inks as Adobe stores them, inverted: left full red and half green, right half blue.
    Bytes cmyk;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            x < 8 ? cmyk.insert(cmyk.end(), {255, 128, 0, 255})
                  : cmyk.insert(cmyk.end(), {0, 0, 255, 128});
    JpegShape shape;
    shape.components = 4;
    ASSERT_TRUE(Read(BlockJpeg(16, 8, cmyk, shape)));
    const int left[3] = {0, 128, 255}, right[3] = {128, 0, 0}; // blue, green, red
    for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR(image.Row(4)[3 * 2 + c], left[c], 2) << c;
        EXPECT_NEAR(image.Row(4)[3 * 13 + c], right[c], 2) << c;
    }
}

TEST_F(SdlPictureDecoders, IconImageWithTheMostColoursIsTaken) {
    const Bytes two = IconBitmap(1, 1, 1, Bytes(8, 0), Bytes(4, 0), Bytes(4, 0));
    const Bytes sixteen = IconBitmap(3, 1, 4, Bytes(64, 0), Bytes(4, 0), Bytes(4, 0));
    ASSERT_TRUE(Read(IconFile(1, {{1, 1, 2, two}, {3, 1, 16, sixteen}, {1, 1, 2, two}})));
    EXPECT_EQ(image.Width(), 3);
}

TEST_F(SdlPictureDecoders, IconCutAnywhereIsRefused) {
    const Bytes file = ThreeByTwoIcon({0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0});
    for (size_t length = 0; length < file.size(); ++length)
        EXPECT_FALSE(Read(Cut(file, length))) << length;
    EXPECT_TRUE(Read(file));
}

TEST_F(SdlPictureDecoders, IconColoursPastItsTableAreBlack) {
    // The table holds one colour, red; the pixels use entries 1 and 2 as well.
    ASSERT_TRUE(Read(ThreeByTwoIcon({0, 0, 255, 0})));
    EXPECT_EQ(RowBytes(image, 0), (Bytes{0, 0, 255, 0, 0, 0, 0, 0, 0}));
}

TEST_F(SdlPictureDecoders, IconAlphaChannelWinsOverTheMask) {
    // Red opaque but masked, green transparent but not masked, blue half covered.
    const Bytes bgra = {0, 0, 255, 255, 0, 255, 0, 0, 255, 0, 0, 128};
    ASSERT_TRUE(Read(IconFile(1, {{3, 1, 0, IconBitmap(3, 1, 32, {}, bgra, {0x80, 0, 0, 0})}})));
    EXPECT_EQ(RowBytes(image, 0), (Bytes{0, 0, 255, 255, 255, 255, 255, 127, 127}));
}

TEST_F(SdlPictureDecoders, IconsAndCursorsMayHoldAPng) {
    const Bytes png = Png(2, 1, {255, 0, 0, 255, 0, 0, 255, 0});
    for (int kind : {1, 2}) {
        ASSERT_TRUE(Read(IconFile(kind, {{2, 1, 0, png}}))) << kind;
        EXPECT_EQ(RowBytes(image, 0), (Bytes{0, 0, 255, 255, 255, 255})) << kind;
    }
}

} // namespace
