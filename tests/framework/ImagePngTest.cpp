// PNG pictures through the platform's picture loader: grey of every depth, interlacing,
// transparent colours, chunks that do not touch the pixels, and a damaged file that once made
// the loader spin for ever.
#include "tests/support/ImageTestFiles.h"

#include "tests/support/Deadline.h"

#include <chrono>
#include <cstdio>

namespace {

using testing::internal::CaptureStderr;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStderr;
using testing::internal::GetCapturedStdout;

class ImagePng : public ScratchTest {
  protected:
    // The picture's pixels as RGB, top row first, drawn over the black of a new bitmap.
    Bytes Loaded(const Bytes& file) {
        WriteFile("pic.png", file);
        if (!image.extra->ReadOlePicture("pic.png")) {
            ADD_FAILURE() << "refused";
            return {};
        }
        Bytes rgb;
        for (int y = image.Height() - 1; y >= 0; --y) {
            const Bytes row = RowBytes(image, y);
            for (size_t i = 0; i < row.size(); i += 3)
                rgb.insert(rgb.end(), {row[i + 2], row[i + 1], row[i]});
        }
        return rgb;
    }
    Image image;
};

TEST_F(ImagePng, GreyOfEveryDepthIsScaledToEightBits) {
    struct Case {
        int depth;
        Bytes row; // four pixels
        std::uint8_t grey[4];
    };
    const Case cases[] = {
        {1, {0x50}, {0, 255, 0, 255}},
        {2, {0x1B}, {0, 85, 170, 255}},
        {4, {0x0F, 0x7A}, {0, 255, 119, 170}},
        {8, {0, 9, 200, 255}, {0, 9, 200, 255}},
        {16, {0, 0, 9, 9, 200, 200, 255, 255}, {0, 9, 200, 255}},
    };
    for (const Case& c : cases) {
        Bytes raw(1 + c.row.size(), 0); // filter byte 0, then the row
        std::copy(c.row.begin(), c.row.end(), raw.begin() + 1);
        const Bytes rgb = Loaded(PngFile(4, 1, c.depth, 0, false, raw));
        ASSERT_EQ(rgb.size(), 12u) << c.depth;
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(rgb[i], c.grey[i / 3]) << "depth " << c.depth << ", byte " << i;
    }
}

TEST_F(ImagePng, InterlacedPaletteWithATransparentEntry) {
    // 9 x 6 indexes into three colours, the second of them transparent.
    const Bytes palette = {200, 30, 10, 0, 0, 255, 20, 180, 90};
    Bytes indexes, expected;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x) {
            const int i = (x * 2 + y) % 3;
            indexes.push_back(static_cast<std::uint8_t>(i));
            for (int c = 0; c < 3; ++c)
                expected.push_back(i == 1 ? 0 : palette[3 * i + c]);
        }
    const Bytes file = PngFile(9, 6, 8, 3, true, PngScanlines(9, 6, 1, indexes, true),
                               {{"PLTE", palette}, {"tRNS", {255, 0}}});
    EXPECT_EQ(Loaded(file), expected);
}

TEST_F(ImagePng, ColourKeysAreTransparent) {
    // RGB 8 bits: the second pixel has the key colour.
    const Bytes rgb8 = {1, 2, 3, 9, 8, 7};
    EXPECT_EQ(Loaded(PngFile(2, 1, 8, 2, false, PngScanlines(2, 1, 3, rgb8),
                             {{"tRNS", {0, 9, 0, 8, 0, 7}}})),
              (Bytes{1, 2, 3, 0, 0, 0}));
    // RGB 16 bits: the key matches all 16 bits of the first pixel only.
    const Bytes rgb16 = {0x11, 0x11, 0x22, 0x22, 0x33, 0x33, 0x11, 0x11, 0x22, 0x22, 0x33, 0x34};
    EXPECT_EQ(Loaded(PngFile(2, 1, 16, 2, false, PngScanlines(2, 1, 6, rgb16),
                             {{"tRNS", {0x11, 0x11, 0x22, 0x22, 0x33, 0x33}}})),
              (Bytes{0, 0, 0, 0x11, 0x22, 0x33}));
}

TEST_F(ImagePng, ChunksBesideThePixelsChangeNothing) {
    const Bytes rgb = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120};
    const Bytes raw = PngScanlines(2, 2, 3, rgb);
    const Bytes plain = Loaded(PngFile(2, 2, 8, 2, false, raw));
    ASSERT_EQ(plain, rgb);
    Bytes withChunks = PngFile(2, 2, 8, 2, false, raw,
                               {{"gAMA", {0, 0, 0xB1, 0x8F}},
                                {"cHRM", Bytes(32, 1)},
                                {"sBIT", {5, 6, 5}},
                                {"tEXt", {'T', 'i', 't', 'l', 'e', 0, 'M', 'o', 'o', 'n'}},
                                {"bKGD", {0, 1, 0, 2, 0, 3}},
                                {"moOn", {1, 2, 3}}, // private and ancillary
                                {"tIME", {7, 234, 12, 7, 11, 3, 11}}});
    // A broken checksum on the last of them only loses that chunk.
    const auto time = std::search(withChunks.begin(), withChunks.end(), "tIME", "tIME" + 4);
    ASSERT_NE(time, withChunks.end());
    time[4 + 7] ^= 0xFF;
    CaptureStderr();
    EXPECT_EQ(Loaded(withChunks), plain);
    EXPECT_EQ(GetCapturedStderr(), "");
}

TEST_F(ImagePng, DamagedFileThatOnceLoopedForeverIsRefusedAtOnce) {
    WriteFile("damaged.png", DataFile("png-endless-chunk-reads.png"));
    bool loaded = true;
    CaptureStdout();
    CaptureStderr();
    const auto start = std::chrono::steady_clock::now();
    {
        const Deadline deadline(std::chrono::seconds(30), [] {
            return "Load of damaged.png still running. Standard output so far: \"" +
                   GetCapturedStdout() + "\"; standard error: \"" +
                   GetCapturedStderr().substr(0, 1000) + "\"";
        });
        loaded = image.Load("damaged.png");
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    const std::string out = GetCapturedStdout(), err = GetCapturedStderr();
    EXPECT_FALSE(loaded);
    EXPECT_EQ(image.Width(), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
    std::printf("Load returned in %.1f ms\n", took.count());
}

} // namespace
