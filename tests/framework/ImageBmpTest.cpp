// Our own BMP reader: uncompressed 24-bit and 8-bit files, and everything it refuses.
#include "tests/support/ImageTestFiles.h"

namespace {

class ImageBmp : public ScratchTest {
  protected:
    // A 5 x 2 picture as rows of 15 bytes plus 1 byte of padding, file row 0 first.
    Bytes FileRows() const {
        Bytes data;
        for (int row = 0; row < 2; ++row) {
            for (int i = 0; i < 15; ++i)
                data.push_back(static_cast<std::uint8_t>(row * 100 + i));
            data.push_back(0xEE);
        }
        return data;
    }

    // An 8-bit 4 x 2 file whose pixels are the indices given, rows padded to 4.
    Bytes Indexed(const Bytes& palette, const Bytes& indices) {
        return Bmp(4, 2, 8, palette, indices);
    }

    bool Read(const Bytes& file) {
        WriteFile("in.bmp", file);
        return image.extra->ReadBmp("in.bmp");
    }

    Image image;
};

TEST_F(ImageBmp, BottomUp24BitRowsComeInFileOrder) {
    ASSERT_TRUE(Read(Bmp(5, 2, 24, {}, FileRows())));
    EXPECT_EQ(image.extra->format, PixelFormat::BGR);
    EXPECT_EQ(image.Width(), 5);
    EXPECT_EQ(image.extra->stride, 15);
    const Bytes rows = FileRows();
    EXPECT_EQ(RowBytes(image, 0), Bytes(rows.begin(), rows.begin() + 15));
    EXPECT_EQ(RowBytes(image, 1), Bytes(rows.begin() + 16, rows.begin() + 31));
}

TEST_F(ImageBmp, UnpaddedRowsAreReadWhole) {
    // 4 pixels make 12 bytes: no padding between rows.
    Bytes data(24);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i);
    ASSERT_TRUE(Read(Bmp(4, 2, 24, {}, data)));
    EXPECT_EQ(RowBytes(image, 1), Bytes(data.begin() + 12, data.end()));
    data.resize(40, 9); // stated data beyond the rows is allowed
    ASSERT_TRUE(Read(Bmp(4, 2, 24, {}, data)));
    EXPECT_EQ(RowBytes(image, 0), Bytes(data.begin(), data.begin() + 12));
    Bytes file = Bmp(4, 2, 24, {}, data);
    file.pop_back(); // but it must all be there
    EXPECT_FALSE(Read(file));
    EXPECT_EQ(image.extra->pixels, nullptr);
}

TEST_F(ImageBmp, TopDownFileGivesTheSameImage) {
    ASSERT_TRUE(Read(Bmp(5, 2, 24, {}, FileRows())));
    const Image bottomUp(image);
    Bytes rows = FileRows();
    std::rotate(rows.begin(), rows.begin() + 16, rows.end()); // swap the two file rows
    ASSERT_TRUE(Read(Bmp(5, -2, 24, {}, rows)));
    EXPECT_EQ(RowBytes(image, 0), RowBytes(bottomUp, 0));
    EXPECT_EQ(RowBytes(image, 1), RowBytes(bottomUp, 1));
}

TEST_F(ImageBmp, ImageSizeZeroMeansPaddedRowsTimesHeight) {
    Bytes file = Bmp(5, 2, 24, {}, FileRows());
    Put32(file, kImageSize, 0);
    ASSERT_TRUE(Read(file));
    EXPECT_EQ(RowBytes(image, 1)[0], 100);
}

TEST_F(ImageBmp, GreyPaletteGivesLuminance) {
    ASSERT_TRUE(Read(Indexed(GreyPalette(256), {0, 7, 200, 255, 9, 8, 7, 6})));
    EXPECT_EQ(image.extra->format, PixelFormat::LUMINANCE);
    EXPECT_EQ(RowBytes(image, 0), (Bytes{0, 7, 200, 255}));
    EXPECT_EQ(RowBytes(image, 1), (Bytes{9, 8, 7, 6}));
}

TEST_F(ImageBmp, OneColouredEntryGivesBgrEvenIfUnused) {
    Bytes palette = GreyPalette(256);
    palette[4 * 100 + 2] = 1; // entry 100's red, never used by a pixel
    palette[4 * 7 + 0] = 50;  // entry 7: blue 50, green 7, red 7
    ASSERT_TRUE(Read(Indexed(palette, {0, 7, 200, 255, 9, 8, 7, 6})));
    EXPECT_EQ(image.extra->format, PixelFormat::BGR);
    EXPECT_EQ(image.Width(), 4);
    EXPECT_EQ(RowBytes(image, 0), (Bytes{0, 0, 0, 50, 7, 7, 200, 200, 200, 255, 255, 255}));
}

TEST_F(ImageBmp, ColoursUsedSixteenFindsPixelsAtTheStatedOffset) {
    Bytes palette = GreyPalette(16);
    palette[4 * 3 + 2] = 90;
    ASSERT_TRUE(Read(Indexed(palette, {3, 15, 0, 1, 2, 3, 4, 5})));
    EXPECT_EQ(image.extra->format, PixelFormat::BGR);
    EXPECT_EQ(RowBytes(image, 0), (Bytes{3, 3, 90, 15, 15, 15, 0, 0, 0, 1, 1, 1}));
}

TEST_F(ImageBmp, ColoursUsedZeroReadsAllEntries) {
    Bytes file = Indexed(GreyPalette(256), {255, 1, 2, 3, 4, 5, 6, 7});
    Put32(file, kColoursUsed, 0);
    ASSERT_TRUE(Read(file));
    EXPECT_EQ(RowBytes(image, 0), (Bytes{255, 1, 2, 3}));
}

TEST_F(ImageBmp, ColoursUsedZeroNeedsAllEntriesPresent) {
    Bytes file = Indexed(GreyPalette(16), {0, 1, 2, 3, 4, 5, 6, 7});
    Put32(file, kColoursUsed, 0); // claims 256 entries; the file has 16 and 8 bytes of pixels
    EXPECT_FALSE(Read(file));
}

TEST_F(ImageBmp, IndicesPastTheColoursReadAreBlack) {
    ASSERT_TRUE(Read(Indexed(GreyPalette(2), {1, 2, 200, 255, 0, 1, 0, 1})));
    EXPECT_EQ(image.extra->format, PixelFormat::LUMINANCE);
    EXPECT_EQ(RowBytes(image, 0), (Bytes{1, 0, 0, 0}));
}

TEST_F(ImageBmp, ColoursUsedAbove256KeepsTheFirst256) {
    Bytes palette = GreyPalette(256);
    palette.resize(4 * 300, 0x40); // entries past 256 would not be grey: they are ignored
    Bytes file = Indexed(palette, {255, 1, 2, 3, 4, 5, 6, 7});
    ASSERT_TRUE(Read(file));
    EXPECT_EQ(image.extra->format, PixelFormat::LUMINANCE);
    EXPECT_EQ(RowBytes(image, 0), (Bytes{255, 1, 2, 3}));
}

TEST_F(ImageBmp, ImageSizeSmallerThanTheRowsIsRefused) {
    Bytes file = Bmp(5, 2, 24, {}, FileRows());
    Put32(file, kImageSize, 20); // the two padded rows need 32
    Fill(image, 2, 2, PixelFormat::RGB);
    EXPECT_FALSE(Read(file));
    EXPECT_EQ(image.extra->pixels, nullptr);
}

TEST_F(ImageBmp, ImageSizeLargerThanTheRowsIsRead) {
    Bytes rows = FileRows();
    rows.resize(rows.size() + 12, 0);
    ASSERT_TRUE(Read(Bmp(5, 2, 24, {}, rows)));
    EXPECT_EQ(image.Height(), 2);
}

TEST_F(ImageBmp, RefusedKindsLeaveTheImageEmpty) {
    const Bytes good = Bmp(5, 2, 24, {}, FileRows());
    struct Case {
        const char* what;
        size_t at;
        std::uint32_t value;
        int bytes;
    } cases[] = {
        {"run-length", kCompression, 1, 4},
        {"16 bits", kBits, 16, 2},
        {"32 bits", kBits, 32, 2},
        {"two planes", kPlanes, 2, 2},
        {"zero width", kWidth, 0, 4},
        {"negative width", kWidth, 0xFFFFFFFB, 4},
        {"zero height", kHeight, 0, 4},
        {"not BM", 0, 'B' | 'A' << 8, 2},
        {"height INT_MIN", kHeight, 0x80000000, 4},
    };
    for (const Case& c : cases) {
        Bytes file = good;
        if (c.bytes == 2)
            Put16(file, c.at, static_cast<std::uint16_t>(c.value));
        else
            Put32(file, c.at, c.value);
        Fill(image, 2, 2, PixelFormat::RGB);
        EXPECT_FALSE(Read(file)) << c.what;
        EXPECT_EQ(image.extra->pixels, nullptr) << c.what;
    }
}

TEST_F(ImageBmp, TruncatedFilesAreRefused) {
    const Bytes good = Bmp(5, 2, 24, {}, FileRows());
    for (size_t length : {size_t(0), size_t(13), size_t(40), size_t(54), good.size() - 1}) {
        Fill(image, 2, 2, PixelFormat::RGB);
        EXPECT_FALSE(Read(Bytes(good.begin(), good.begin() + length))) << length;
        EXPECT_EQ(image.extra->pixels, nullptr) << length;
    }
}

TEST_F(ImageBmp, HugeStatedSizesAreRefusedWithoutWrapping) {
    // 3 x width overflows; padded x height overflows; a huge image size in a tiny file.
    for (std::uint32_t width : {0x7FFFFFFFu, 0x30000000u}) {
        Bytes file = Bmp(5, 2, 24, {}, FileRows());
        Put32(file, kWidth, width);
        Put32(file, kImageSize, 0);
        EXPECT_FALSE(Read(file)) << width;
    }
    Bytes file = Bmp(5, 2, 24, {}, FileRows());
    Put32(file, kHeight, 0x7FFFFFFF);
    EXPECT_FALSE(Read(file));
    file = Bmp(5, 2, 24, {}, FileRows());
    Put32(file, kImageSize, 0xFFFFFFF0);
    EXPECT_FALSE(Read(file));
}

TEST_F(ImageBmp, PalettePastWhatASeekReachesIsRefused) {
    // 14 + the header size passes 4 GiB; cut to a 32-bit long it would be position 6, and a
    // palette would be read from the file header.
    Bytes file = Indexed(GreyPalette(4), {0, 1, 2, 3, 3, 2, 1, 0});
    Put32(file, kInfoSize, 0xFFFFFFF8);
    EXPECT_FALSE(Read(file));
}

TEST_F(ImageBmp, MissingFileLeavesTheImageAlone) {
    Fill(image, 2, 2, PixelFormat::RGB);
    EXPECT_FALSE(image.extra->ReadBmp("absent.bmp"));
    EXPECT_EQ(image.Width(), 2);
}

} // namespace
