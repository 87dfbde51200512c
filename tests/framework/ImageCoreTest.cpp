// The image record: allocation, rows, copying, flipping and emptying.
#include "tests/support/ImageTestFiles.h"

#include <climits>

TEST(ImageCoreStore, FreshImageIsEmpty) {
    Image image;
    EXPECT_EQ(image.Width(), 0);
    EXPECT_EQ(image.Height(), 0);
    EXPECT_EQ(image.Row(0), nullptr);
    EXPECT_EQ(image.extra->owner, &image);
}

TEST(ImageCoreStore, ZeroSizeIsEmptyButNegativeFails) {
    Image image;
    Fill(image, 3, 3, PixelFormat::BGRA);
    EXPECT_TRUE(image.extra->Allocate(0, 5, PixelFormat::RGB, 0));
    EXPECT_EQ(image.extra->pixels, nullptr);
    EXPECT_EQ(image.Height(), 0);
    Fill(image, 3, 3, PixelFormat::BGRA);
    EXPECT_FALSE(image.extra->Allocate(-1, 5, PixelFormat::RGB, 0));
    EXPECT_EQ(image.extra->pixels, nullptr);
    EXPECT_EQ(image.extra->format, PixelFormat::RGB);
    EXPECT_EQ(image.extra->width, 0);
}

TEST(ImageCoreStore, PaddedRowsLayout) {
    Image image;
    ASSERT_TRUE(image.extra->Allocate(10, 2, PixelFormat::BGR, 2));
    EXPECT_EQ(image.extra->rowBytes, 30);
    EXPECT_EQ(image.extra->stride, 32);
    EXPECT_EQ(image.extra->size, 64);
    EXPECT_EQ(image.extra->capacity, 64);
    EXPECT_EQ(image.Row(1) - image.Row(0), 32);
    EXPECT_EQ(image.Row(2), nullptr);
    EXPECT_EQ(image.Row(-1), nullptr);
}

TEST(ImageCoreStore, ByteCountsThatOverflowAreRefused) {
    Image image;
    EXPECT_FALSE(image.extra->Allocate(INT_MAX / 3 + 1, 1, PixelFormat::RGB, 0));
    EXPECT_FALSE(image.extra->Allocate(65535, 65535, PixelFormat::BGRA, 0));
    EXPECT_FALSE(image.extra->Allocate(INT_MAX / 4, 1, PixelFormat::RGBA, 8));
    EXPECT_EQ(image.extra->pixels, nullptr);
    EXPECT_EQ(image.extra->size, 0);
}

TEST(ImageCoreStore, StoresPastThePictureBudgetAreRefused) {
    // 4096 x 4096 at 4 bytes is the whole budget; a byte of padding a row passes it.
    Image image;
    EXPECT_TRUE(image.extra->Allocate(4096, 4096, PixelFormat::BGRA, 0));
    EXPECT_FALSE(image.extra->Allocate(4096, 4096, PixelFormat::BGRA, 1));
    EXPECT_FALSE(image.extra->Allocate(4097, 4096, PixelFormat::BGRA, 0));
    EXPECT_TRUE(image.extra->Allocate(8192, 8192, PixelFormat::LUMINANCE, 0));
    EXPECT_FALSE(image.extra->Allocate(8192, 8193, PixelFormat::LUMINANCE, 0));
    EXPECT_EQ(image.extra->pixels, nullptr);
}

TEST(ImageCoreStore, BytesPerPixelOfEveryFormat) {
    const int expected[] = {3, 4, 3, 4, 1, 2, 1, 0};
    for (int f = 0; f < 8; ++f)
        EXPECT_EQ(Image::BytesPerPixel(static_cast<PixelFormat>(f)), expected[f]) << f;
}

TEST(ImageCoreStore, ClearEmptiesEveryField) {
    Image image;
    ASSERT_TRUE(image.extra->Allocate(4, 4, PixelFormat::LUMINANCE_ALPHA, 3));
    image.Clear();
    const ImageExtra& e = *image.extra;
    EXPECT_EQ(e.pixels, nullptr);
    EXPECT_EQ(e.format, PixelFormat::RGB);
    EXPECT_EQ(e.width + e.height + e.size + e.capacity + e.rowBytes + e.stride, 0);
    EXPECT_EQ(e.owner, &image);
}

TEST(ImageCoreCopy, CopyKeepsLayoutAndOwnsItsPixels) {
    Image image;
    ASSERT_TRUE(image.extra->Allocate(10, 2, PixelFormat::BGR, 2));
    for (int i = 0; i < 64; ++i)
        image.extra->pixels[i] = static_cast<std::uint8_t>(i * 3);
    const Image copy(image);
    EXPECT_EQ(copy.extra->stride, 32);
    EXPECT_EQ(copy.extra->format, PixelFormat::BGR);
    EXPECT_EQ(copy.extra->owner, &copy);
    EXPECT_NE(copy.extra->pixels, image.extra->pixels);
    EXPECT_EQ(0, std::memcmp(copy.extra->pixels, image.extra->pixels, 64));
}

TEST(ImageCoreCopy, AssigningToItselfChangesNothing) {
    Image image;
    Fill(image, 5, 3, PixelFormat::RGBA);
    const Bytes before(image.extra->pixels, image.extra->pixels + image.extra->size);
    const std::uint8_t* store = image.extra->pixels;
    Image& same = image;
    image = same;
    EXPECT_EQ(image.extra->pixels, store);
    EXPECT_EQ(image.Width(), 5);
    EXPECT_EQ(Bytes(image.extra->pixels, image.extra->pixels + image.extra->size), before);
}

TEST(ImageCoreCopy, AssigningAnEmptyImageEmpties) {
    Image image, empty;
    Fill(image, 2, 2, PixelFormat::RGB);
    image = empty;
    EXPECT_EQ(image.extra->pixels, nullptr);
    EXPECT_EQ(image.Width(), 0);
}

TEST(ImageCoreFlip, OneRowStaysAndThreeRowsSwapOuterRows) {
    Image one;
    Fill(one, 4, 1, PixelFormat::RGB);
    const Bytes row = RowBytes(one, 0);
    one.FlipVertical();
    EXPECT_EQ(RowBytes(one, 0), row);

    Image three;
    ASSERT_TRUE(three.extra->Allocate(2, 3, PixelFormat::LUMINANCE, 2));
    for (int i = 0; i < three.extra->size; ++i)
        three.extra->pixels[i] = static_cast<std::uint8_t>(i);
    three.FlipVertical();
    // Whole strides move, padding included.
    EXPECT_EQ(Bytes(three.Row(0), three.Row(0) + 4), (Bytes{8, 9, 10, 11}));
    EXPECT_EQ(Bytes(three.Row(1), three.Row(1) + 4), (Bytes{4, 5, 6, 7}));
    EXPECT_EQ(Bytes(three.Row(2), three.Row(2) + 4), (Bytes{0, 1, 2, 3}));
}

class ImageCoreLoad : public ScratchTest {};

TEST_F(ImageCoreLoad, MissingFileEmptiesAFullImage) {
    Image image;
    Fill(image, 8, 8, PixelFormat::BGR);
    EXPECT_FALSE(image.Load("no such picture.bmp"));
    EXPECT_EQ(image.extra->pixels, nullptr);
    EXPECT_EQ(image.Width(), 0);
}

TEST_F(ImageCoreLoad, UnrecognisedBytesEmptyTheImage) {
    WriteFile("noise.dat", Bytes(300, 0x5A));
    Image image;
    Fill(image, 8, 8, PixelFormat::BGR);
    EXPECT_FALSE(image.Load("noise.dat"));
    EXPECT_EQ(image.extra->pixels, nullptr);
}

TEST_F(ImageCoreLoad, EachKindReachesItsReader) {
    WriteFile("plain.bmp", Bmp(1, 1, 24, {}, {1, 2, 3, 0}));
    WriteFile("pic.tga", Tga(2, 1, 1, 24, 0, {4, 5, 6}, true));
    Image image;
    ASSERT_TRUE(image.Load("plain.bmp"));
    EXPECT_EQ(image.extra->stride, 3); // our own reader: no padding
    EXPECT_EQ(RowBytes(image, 0), (Bytes{1, 2, 3}));
    ASSERT_TRUE(image.Load("pic.tga"));
    EXPECT_EQ(image.extra->stride, 3);
    EXPECT_EQ(RowBytes(image, 0), (Bytes{4, 5, 6}));
}
