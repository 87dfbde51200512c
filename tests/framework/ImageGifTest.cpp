// GIF pictures through the platform's picture loader: files written here with a small LZW
// encoder, placement on the logical screen, interlacing, transparency, and damaged files.
#include "tests/support/ImageTestFiles.h"

#include "tests/support/Wine.h"

#include <map>
#include <utility>

namespace {

// Codes of varying width, least significant bit first.
struct CodeWriter {
    Bytes bytes;
    std::uint32_t bits = 0;
    int held = 0;
    void Put(int code, int width) {
        bits |= static_cast<std::uint32_t>(code) << held;
        for (held += width; held >= 8; held -= 8, bits >>= 8)
            bytes.push_back(bits & 0xFF);
    }
    Bytes Done() {
        if (held > 0)
            bytes.push_back(bits & 0xFF);
        return bytes;
    }
};

struct Compressed {
    Bytes data;
    bool filledTable = false;
};

// Plain LZW as GIF encoders write it: a clear code first, and none when the table is full.
Compressed Compress(const Bytes& indexes, int minBits) {
    const int clear = 1 << minBits;
    std::map<std::pair<int, int>, int> table;
    int next = clear + 2, width = minBits + 1, current = -1;
    CodeWriter out;
    Compressed result;
    out.Put(clear, width);
    for (std::uint8_t index : indexes) {
        if (current < 0) {
            current = index;
            continue;
        }
        const auto found = table.find({current, index});
        if (found != table.end()) {
            current = found->second;
            continue;
        }
        out.Put(current, width);
        if (next < 4096) {
            table[{current, index}] = next++;
            if (next > 1 << width && width < 12)
                ++width;
        } else {
            result.filledTable = true;
        }
        current = index;
    }
    if (current >= 0)
        out.Put(current, width);
    out.Put(clear + 1, width);
    result.data = out.Done();
    return result;
}

// Raw codes of the first width, for streams an encoder would never write.
Bytes Codes(std::initializer_list<int> codes, int width) {
    CodeWriter out;
    for (int code : codes)
        out.Put(code, width);
    return out.Done();
}

// Four colours, as RGB: dark blue-grey, orange, green, white.
const Bytes kColours = {30, 20, 10, 50, 100, 200, 0, 250, 0, 250, 250, 250};

struct Gif {
    int screenWidth = 0, screenHeight = 0;
    Bytes global = kColours;
    Bytes extensions;
    int left = 0, top = 0, width = 0, height = 0;
    Bytes local;
    bool interlaced = false;
    int minBits = 2;
    Bytes data;
    bool terminated = true;

    Gif(int w, int h, const Bytes& indexes) : screenWidth(w), screenHeight(h), width(w), height(h) {
        data = Compress(indexes, minBits).data;
    }

    Bytes File() const {
        Bytes file = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0};
        Put16(file, 6, static_cast<std::uint16_t>(screenWidth));
        Put16(file, 8, static_cast<std::uint16_t>(screenHeight));
        if (!global.empty())
            file[10] = static_cast<std::uint8_t>(0x80 | TableBits(global));
        file.insert(file.end(), global.begin(), global.end());
        file.insert(file.end(), extensions.begin(), extensions.end());
        Bytes image(10, 0);
        image[0] = 0x2C;
        Put16(image, 1, static_cast<std::uint16_t>(left));
        Put16(image, 3, static_cast<std::uint16_t>(top));
        Put16(image, 5, static_cast<std::uint16_t>(width));
        Put16(image, 7, static_cast<std::uint16_t>(height));
        image[9] = static_cast<std::uint8_t>((local.empty() ? 0 : 0x80 | TableBits(local)) |
                                             (interlaced ? 0x40 : 0));
        file.insert(file.end(), image.begin(), image.end());
        file.insert(file.end(), local.begin(), local.end());
        file.push_back(static_cast<std::uint8_t>(minBits));
        for (size_t at = 0; at < data.size(); at += 255) {
            const size_t n = std::min<size_t>(255, data.size() - at);
            file.push_back(static_cast<std::uint8_t>(n));
            file.insert(file.end(), data.begin() + at, data.begin() + at + n);
        }
        if (terminated)
            file.insert(file.end(), {0, 0x3B});
        return file;
    }

    static int TableBits(const Bytes& rgb) {
        int bits = 0;
        while (2 << bits < static_cast<int>(rgb.size() / 3))
            ++bits;
        return bits;
    }
};

// A graphic control extension naming `index` transparent, or only mentioning it.
Bytes ControlExtension(int index, bool transparent) {
    return {0x21,
            0xF9,
            4,
            static_cast<std::uint8_t>(transparent ? 1 : 0),
            0,
            0,
            static_cast<std::uint8_t>(index),
            0};
}

// Pixel (x, y), counted from the top, as the image holds it: blue, green, red.
Bytes At(const Image& image, int x, int y) {
    const Bytes row = RowBytes(image, image.Height() - 1 - y);
    return Bytes(row.begin() + 3 * x, row.begin() + 3 * x + 3);
}

// Colour i of a table as the image holds it.
Bytes Bgr(const Bytes& table, int i) {
    return {table[3 * i + 2], table[3 * i + 1], table[3 * i]};
}
const Bytes kBlack = {0, 0, 0};

class ImageGif : public ScratchTest {
  protected:
    bool Read(const Gif& gif) {
        WriteFile("pic.gif", gif.File());
        return image.extra->ReadOlePicture("pic.gif");
    }
    void ExpectPixels(const Bytes& indexes, const Bytes& table = kColours) {
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                ASSERT_EQ(At(image, x, y), Bgr(table, indexes[y * image.Width() + x]))
                    << x << "," << y;
    }
    Image image;
};

TEST_F(ImageGif, SmallImageHasItsSizeAndColours) {
    const Bytes indexes = {0, 1, 2, 3, 3, 1};
    ASSERT_TRUE(Read(Gif(3, 2, indexes)));
    ASSERT_EQ(image.Width(), 3);
    ASSERT_EQ(image.Height(), 2);
    ExpectPixels(indexes);
}

TEST_F(ImageGif, LongImagesRunTheTableFullAtTwelveBits) {
    if (UnderWine())
        GTEST_SKIP() << "Wine's GIF decoder misreads 8-bit images whose code table fills without a "
                        "clear code";
    for (int minBits : {2, 8}) {
        SCOPED_TRACE(minBits);
        const int colours = 1 << minBits;
        Bytes table(3 * colours), indexes(200 * 150);
        for (size_t i = 0; i < table.size(); ++i)
            table[i] = static_cast<std::uint8_t>(i * 37);
        std::uint32_t state = 12345;
        for (size_t i = 0; i < indexes.size(); ++i) {
            state = state * 1103515245 + 12345;
            // Runs as well as noise, so that long strings and the newest code both appear.
            indexes[i] = i % 1000 < 900 ? (state >> 16) % colours : (i / 25) % colours;
        }
        Gif gif(200, 150, indexes);
        gif.global = table;
        gif.minBits = minBits;
        const Compressed lzw = Compress(indexes, minBits);
        ASSERT_TRUE(lzw.filledTable);
        gif.data = lzw.data;
        ASSERT_TRUE(Read(gif));
        ExpectPixels(indexes, table);
    }
}

TEST_F(ImageGif, InterlacedRowsLandInOrder) {
    for (int height : {1, 3, 8, 11}) {
        SCOPED_TRACE(height);
        Bytes rows, stream;
        for (int y = 0; y < height; ++y)
            rows.insert(rows.end(), 2, static_cast<std::uint8_t>(y % 4));
        for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = start; y < height; y += step)
                stream.insert(stream.end(), 2, rows[2 * y]);
        Gif gif(2, height, stream);
        gif.interlaced = true;
        ASSERT_TRUE(Read(gif));
        ExpectPixels(rows);
    }
}

TEST_F(ImageGif, LocalColoursReplaceTheGlobalOnes) {
    Gif gif(2, 1, {0, 1});
    gif.local = {1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(Read(gif));
    ExpectPixels({0, 1}, gif.local);
    gif.global.clear();
    ASSERT_TRUE(Read(gif));
    ExpectPixels({0, 1}, gif.local);
}

TEST_F(ImageGif, TransparentPixelsShowWhatWasThere) {
    // A bitmap picture goes over the fresh section, which is black; colour 3 is white.
    Gif gif(2, 1, {3, 1});
    gif.extensions = ControlExtension(3, true);
    // A comment before the image is skipped.
    gif.extensions.insert(gif.extensions.end(), {0x21, 0xFE, 2, 'h', 'i', 0});
    ASSERT_TRUE(Read(gif));
    EXPECT_EQ(At(image, 0, 0), kBlack);
    EXPECT_EQ(At(image, 1, 0), Bgr(kColours, 1));
    gif.extensions = ControlExtension(3, false);
    ASSERT_TRUE(Read(gif));
    EXPECT_EQ(At(image, 0, 0), Bgr(kColours, 3));
}

TEST_F(ImageGif, ImageSitsAtItsPlaceOnTheScreen) {
    if (UnderWine())
        GTEST_SKIP() << "Wine's picture loader sizes a GIF by its image, not by its logical screen";
    Gif gif(2, 1, {1, 2});
    gif.screenWidth = 4;
    gif.screenHeight = 3;
    gif.left = 1;
    gif.top = 1;
    ASSERT_TRUE(Read(gif));
    ASSERT_EQ(image.Width(), 4);
    ASSERT_EQ(image.Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            const bool inside = y == 1 && (x == 1 || x == 2);
            EXPECT_EQ(At(image, x, y), inside ? Bgr(kColours, x) : kBlack) << x << "," << y;
        }
}

TEST_F(ImageGif, ImageBeyondTheScreenIsCut) {
    if (UnderWine())
        GTEST_SKIP() << "Wine's picture loader sizes a GIF by its image, not by its logical screen";
    Gif gif(3, 3, {1, 2, 2, 3, 2, 2, 1, 2, 2});
    gif.screenWidth = 2;
    gif.screenHeight = 2;
    gif.left = 1;
    ASSERT_TRUE(Read(gif));
    ASSERT_EQ(image.Width(), 2);
    ASSERT_EQ(image.Height(), 2);
    EXPECT_EQ(At(image, 0, 0), kBlack);
    EXPECT_EQ(At(image, 1, 0), Bgr(kColours, 1));
    EXPECT_EQ(At(image, 0, 1), kBlack);
    EXPECT_EQ(At(image, 1, 1), Bgr(kColours, 3));
}

TEST_F(ImageGif, FileEndingEarlyLeavesTheRestTransparent) {
    if (UnderWine())
        GTEST_SKIP() << "Wine's picture loader refuses a GIF whose data ends early";
    Gif gif(3, 2, {1, 2, 3, 3, 1, 2});
    gif.data.resize(1); // the clear code, the first pixel and two bits of the next code
    gif.terminated = false;
    ASSERT_TRUE(Read(gif));
    EXPECT_EQ(At(image, 0, 0), Bgr(kColours, 1));
    for (int i = 1; i < 6; ++i)
        EXPECT_EQ(At(image, i % 3, i / 3), kBlack) << i;
    // Without even the code size there is no image.
    Bytes file = gif.File();
    file.resize(file.size() - gif.data.size() - 2);
    WriteFile("cut.gif", file);
    EXPECT_FALSE(image.extra->ReadOlePicture("cut.gif"));
}

TEST_F(ImageGif, DataBeyondTheLastPixelIsIgnored) {
    Gif gif(2, 2, Bytes(40, 1));
    gif.data = Compress(Bytes(400, 2), 2).data;
    ASSERT_TRUE(Read(gif));
    ExpectPixels(Bytes(4, 2));
}

TEST_F(ImageGif, CodesTheTableDoesNotHoldAreRefused) {
    // After a clear, 6 is the next code: 7 is beyond it, and a first code must be a colour.
    for (const Bytes& data : {Codes({4, 0, 7, 5}, 3), Codes({4, 6, 5}, 3)}) {
        Gif gif(2, 2, {});
        gif.data = data;
        EXPECT_FALSE(Read(gif));
    }
    // The code that is being defined is fine.
    Gif gif(3, 1, {});
    gif.data = Codes({4, 1, 6, 5}, 3);
    ASSERT_TRUE(Read(gif));
    ExpectPixels({1, 1, 1});
}

TEST_F(ImageGif, CodeSizesOutsideTwoToEightAreRefused) {
    if (UnderWine())
        GTEST_SKIP() << "Wine's picture loader accepts LZW code sizes 0 and 1";
    for (int minBits : {0, 1, 9, 12}) {
        Gif gif(2, 1, {0, 1});
        gif.minBits = minBits;
        EXPECT_FALSE(Read(gif)) << minBits;
    }
}

TEST_F(ImageGif, EmptyOrHugeSizesAreRefused) {
    if (UnderWine())
        GTEST_SKIP()
            << "Wine's picture loader ignores the logical screen's size and accepts an empty image";
    const std::pair<int, int> sizes[] = {{0, 1}, {1, 0}, {65535, 65535}, {4097, 4096}};
    for (auto [w, h] : sizes) {
        Gif screen(1, 1, {1});
        screen.screenWidth = w;
        screen.screenHeight = h;
        EXPECT_FALSE(Read(screen)) << w << "x" << h;
        Gif frame(1, 1, {1});
        frame.width = w;
        frame.height = h;
        EXPECT_FALSE(Read(frame)) << w << "x" << h;
    }
}

TEST_F(ImageGif, FilesWithoutColoursOrImageAreRefused) {
    if (UnderWine())
        GTEST_SKIP() << "Wine's picture loader accepts a GIF without colour tables";
    Gif gif(1, 1, {1});
    gif.global.clear();
    EXPECT_FALSE(Read(gif));
    WriteFile("empty.gif", {'G', 'I', 'F', '8', '7', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B});
    EXPECT_FALSE(image.extra->ReadOlePicture("empty.gif"));
}

TEST_F(ImageGif, FileThatBrokeTheLibraryDecoderIsHarmless) {
    // A 6 x 4 image whose LZW data made a library decoder free memory it did not own.
    const std::string hex =
        "47494638396106000400f40000000000280019003c19283c3250003200783278004b503c4b783c6428784b50"
        "786478787d0000000000000000000000000000a00064a03c7dc8007d00b44b28b46450b47d483c96a07896c8"
        "789c9c9c9c9c9c9caf78b496a0b4afc8b4c800000000000000000000000000000000000000000000000021f9"
        "0400000000002c000000000600040000051420101006e308c3aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
        "aaaaaaaaaaaaaaaaaaaaaa8134529128cb443d5054595708003b";
    Bytes file;
    for (size_t i = 0; i < hex.size(); i += 2)
        file.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    WriteFile("repro.gif", file);
    // Its ninth code lies beyond the table.
    EXPECT_FALSE(image.extra->ReadOlePicture("repro.gif"));
}

} // namespace
