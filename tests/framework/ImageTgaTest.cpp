// The TGA reader: names and footers, row order, run-length packets and refusals.
#include "tests/support/ImageTestFiles.h"

namespace {

const Bytes kP = {1, 2, 3}, kQ = {4, 5, 6}, kR = {7, 8, 9};

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

class ImageTga : public ScratchTest {
  protected:
    // 2 x 2, 24-bit, uncompressed: file rows (P Q) then (R P).
    Bytes TwoByTwo(int descriptor = 0, bool footer = false) {
        return Tga(2, 2, 2, 24, descriptor, Cat({kP, kQ, kR, kP}), footer);
    }

    bool Read(const std::string& name, const Bytes& file) {
        WriteFile(name, file);
        return image.extra->ReadTga(name.c_str());
    }

    Image image;
};

TEST_F(ImageTga, TgaNameWithoutFooter) {
    ASSERT_TRUE(Read("pic.tga", TwoByTwo()));
    EXPECT_EQ(image.extra->format, PixelFormat::BGR);
    EXPECT_EQ(image.extra->stride, 6);
    EXPECT_EQ(RowBytes(image, 0), Cat({kP, kQ}));
    EXPECT_EQ(RowBytes(image, 1), Cat({kR, kP}));
    EXPECT_TRUE(Read("PIC.TGA", TwoByTwo()));
}

TEST_F(ImageTga, OtherNamesNeedTheFooter) {
    Fill(image, 2, 2, PixelFormat::RGB);
    EXPECT_FALSE(Read("pic.bin", TwoByTwo()));
    EXPECT_EQ(image.extra->pixels, nullptr);
    EXPECT_FALSE(Read("pic.Tga", TwoByTwo()));
    EXPECT_FALSE(Read(".tga", TwoByTwo()));
    ASSERT_TRUE(Read("pic.bin", TwoByTwo(0, true)));
    EXPECT_EQ(RowBytes(image, 1), Cat({kR, kP}));
    EXPECT_TRUE(Read("pic.Tga", TwoByTwo(0, true)));
}

TEST_F(ImageTga, TopRowFirstIsTurnedAround) {
    ASSERT_TRUE(Read("pic.tga", TwoByTwo(0x20)));
    EXPECT_EQ(RowBytes(image, 0), Cat({kR, kP}));
    EXPECT_EQ(RowBytes(image, 1), Cat({kP, kQ}));
}

TEST_F(ImageTga, ImageIdIsSkipped) {
    Bytes file = Tga(2, 1, 1, 24, 0, Cat({{9, 9, 9}, kQ}), true);
    file[0] = 3;
    ASSERT_TRUE(Read("pic.tga", file));
    EXPECT_EQ(RowBytes(image, 0), kQ);
}

TEST_F(ImageTga, ThirtyTwoBitsKeepAlpha) {
    ASSERT_TRUE(Read("pic.tga", Tga(2, 2, 1, 32, 8, {1, 2, 3, 200, 4, 5, 6, 0})));
    EXPECT_EQ(image.extra->format, PixelFormat::BGRA);
    EXPECT_EQ(RowBytes(image, 0), (Bytes{1, 2, 3, 200, 4, 5, 6, 0}));
}

TEST_F(ImageTga, OneRunPacketFillsTheRow) {
    ASSERT_TRUE(Read("pic.tga", Tga(10, 4, 1, 24, 0, Cat({{0x83}, kP}), true)));
    EXPECT_EQ(RowBytes(image, 0), Cat({kP, kP, kP, kP}));
}

TEST_F(ImageTga, RunAndRawPackets) {
    ASSERT_TRUE(Read("pic.tga", Tga(10, 4, 1, 24, 0, Cat({{0x81}, kP, {0x01}, kQ, kR}))));
    EXPECT_EQ(RowBytes(image, 0), Cat({kP, kP, kQ, kR}));
}

TEST_F(ImageTga, PacketsCrossRowEnds) {
    ASSERT_TRUE(Read("pic.tga", Tga(10, 2, 2, 24, 0x20, Cat({{0x02}, kP, kQ, kR, {0x80}, kP}))));
    EXPECT_EQ(RowBytes(image, 1), Cat({kP, kQ}));
    EXPECT_EQ(RowBytes(image, 0), Cat({kR, kP}));
}

TEST_F(ImageTga, PacketsOf128PixelsCrossRowEnds) {
    // 100 x 3: a raw packet of 128 pixels reaches into row 1, a run of 128 into row 2, and a
    // run of 44 ends the picture. A count of 6 bits would make them packets of 64.
    Bytes raw;
    for (int i = 0; i < 128; ++i)
        raw.insert(raw.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(2 * i),
                               static_cast<std::uint8_t>(255 - i)});
    ASSERT_TRUE(
        Read("pic.tga", Tga(10, 100, 3, 24, 0, Cat({{0x7F}, raw, {0xFF}, kQ, {0x80 | 43}, kR}))));
    const auto pixels = [](const Bytes& p, int count) {
        Bytes all;
        for (int i = 0; i < count; ++i)
            all.insert(all.end(), p.begin(), p.end());
        return all;
    };
    EXPECT_EQ(RowBytes(image, 0), Bytes(raw.begin(), raw.begin() + 300));
    EXPECT_EQ(RowBytes(image, 1), Cat({Bytes(raw.begin() + 300, raw.end()), pixels(kQ, 72)}));
    EXPECT_EQ(RowBytes(image, 2), Cat({pixels(kQ, 56), pixels(kR, 44)}));
}

TEST_F(ImageTga, RunLengthStreamsMustFillThePictureExactly) {
    Fill(image, 2, 2, PixelFormat::RGB);
    EXPECT_FALSE(Read("pic.tga", Tga(10, 4, 1, 24, 0, Cat({{0x82}, kP}))));
    EXPECT_EQ(image.extra->pixels, nullptr);
    EXPECT_FALSE(Read("pic.tga", Tga(10, 4, 1, 24, 0, Cat({{0x81}, kP, {0x82}, kQ}))));
    EXPECT_FALSE(Read("pic.tga", Tga(10, 4, 1, 24, 0, Cat({{0x01}, kP, kQ, {0x01}, kR}))));
    // A run packet larger than the picture; a lone packet byte after an image ID.
    EXPECT_FALSE(Read("pic.tga", Tga(10, 4, 1, 24, 0, Cat({{0xFF}, kP}), true)));
    Bytes lone = Tga(10, 4, 1, 24, 0, Cat({Bytes(10, 0), {0x83}}));
    lone[0] = 10;
    EXPECT_FALSE(Read("pic.tga", lone));
}

TEST_F(ImageTga, ShortUncompressedDataIsRefused) {
    Bytes file = TwoByTwo();
    file.pop_back();
    Fill(image, 2, 2, PixelFormat::RGB);
    EXPECT_FALSE(Read("pic.tga", file));
    EXPECT_EQ(image.extra->pixels, nullptr);
}

TEST_F(ImageTga, FilesUnder26BytesAreNeverRead) {
    // A complete 1 x 1 picture is only 21 bytes.
    Fill(image, 2, 2, PixelFormat::RGB);
    EXPECT_FALSE(Read("tiny.tga", Tga(2, 1, 1, 24, 0, kP)));
    EXPECT_EQ(image.extra->pixels, nullptr);
}

TEST_F(ImageTga, OtherKindsAreRefused) {
    struct Case {
        const char* what;
        size_t at;
        std::uint8_t value;
    } cases[] = {
        {"colour-mapped type", 2, 1}, {"grey type", 2, 3},   {"colour map present", 1, 1},
        {"16 bits", 16, 16},          {"zero width", 12, 0}, {"zero height", 14, 0},
        {"run-length grey", 2, 11},
    };
    for (const Case& c : cases) {
        Bytes file = TwoByTwo(0, true);
        file[c.at] = c.value;
        if (c.at == 12 || c.at == 14)
            file[c.at + 1] = 0;
        Fill(image, 2, 2, PixelFormat::RGB);
        EXPECT_FALSE(Read("pic.tga", file)) << c.what;
        EXPECT_EQ(image.extra->pixels, nullptr) << c.what;
    }
}

TEST_F(ImageTga, HugeHeadersInSmallFilesAreRefused) {
    for (int type : {2, 10}) {
        Bytes file = Tga(type, 65535, 65535, 32, 0, Bytes(64, 0x7F), true);
        EXPECT_FALSE(Read("big.tga", file)) << type;
        EXPECT_EQ(image.extra->pixels, nullptr);
    }
}

TEST_F(ImageTga, UnopenableOrUnnamedLeavesTheImageAlone) {
    Fill(image, 2, 2, PixelFormat::RGB);
    EXPECT_FALSE(image.extra->ReadTga(nullptr));
    EXPECT_FALSE(image.extra->ReadTga("absent.tga"));
    EXPECT_EQ(image.Width(), 2);
}

} // namespace
