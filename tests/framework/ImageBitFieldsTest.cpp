// Bit-field bitmaps, 16 and 32 bits a pixel with their colours placed by masks, read through
// the platform's bitmap loader: each order of the masks and each header that carries them
// gives back the colours written.
#include "tests/support/ImageTestFiles.h"

#include <array>

namespace {

using Masks = std::array<std::uint32_t, 3>; // red, green, blue

class ImageBitFields : public ScratchTest {
  protected:
    // Loads a w x h picture whose pixel (x, y), y counted from the bottom, has the channel
    // values `channels(x, y)` (each as wide as its mask), and checks it against the 8-bit
    // colours `expected(x, y)`.
    template <typename Channels, typename Expected>
    void Check(const std::string& what, int bits, const BmpLayout& layout, int width, int height,
               Channels channels, Expected expected) {
        SCOPED_TRACE(what);
        Bytes data;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const Masks values = channels(x, y);
                std::uint32_t pixel = 0;
                for (int c = 0; c < 3; ++c)
                    pixel |= values[c] << Shift(layout.masks[c]);
                for (int byte = 0; byte < bits / 8; ++byte)
                    data.push_back(static_cast<std::uint8_t>(pixel >> (8 * byte)));
            }
            data.resize((data.size() + 3) / 4 * 4, 0);
        }
        WriteFile("fields.bmp", Bmp(width, height, bits, {}, data, layout));
        Image image;
        ASSERT_TRUE(image.Load("fields.bmp"));
        ASSERT_EQ(image.Width(), width);
        ASSERT_EQ(image.Height(), height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const Masks rgb = expected(x, y);
                const std::uint8_t* p = image.Row(y) + 3 * x;
                ASSERT_EQ(Bytes(p, p + 3), (Bytes{static_cast<std::uint8_t>(rgb[2]),
                                                  static_cast<std::uint8_t>(rgb[1]),
                                                  static_cast<std::uint8_t>(rgb[0])}))
                    << "pixel " << x << ", " << y;
            }
    }

    static int Shift(std::uint32_t mask) {
        int shift = 0;
        while (mask && !(mask & 1)) {
            mask >>= 1;
            ++shift;
        }
        return shift;
    }

    static BmpLayout Layout(int header, const Masks& masks, std::uint32_t alpha = 0) {
        BmpLayout layout;
        layout.header = header;
        layout.compression = 3;
        layout.masks.assign(masks.begin(), masks.end());
        if (alpha)
            layout.masks.push_back(alpha);
        return layout;
    }
};

// A pattern that gives every byte value somewhere in 127 x 64.
Masks Pattern(int x, int y) {
    return {static_cast<std::uint32_t>(x * 2), static_cast<std::uint32_t>(y * 4 + 1),
            static_cast<std::uint32_t>((x + y * 127) & 0xFF)};
}

TEST_F(ImageBitFields, EveryOrderOfByteMasks) {
    // Red, green and blue in three of the four bytes, one left over, in every order; among
    // them red 0xff000000, green 0x00ff0000, blue 0x0000ff00.
    for (int unused = 0; unused < 4; ++unused) {
        std::array<int, 3> bytes;
        for (int b = 0, i = 0; b < 4; ++b)
            if (b != unused)
                bytes[static_cast<size_t>(i++)] = b;
        do {
            const Masks masks = {0xFFu << (8 * bytes[0]), 0xFFu << (8 * bytes[1]),
                                 0xFFu << (8 * bytes[2])};
            Check("red in byte " + std::to_string(bytes[0]) + ", green in " +
                      std::to_string(bytes[1]) + ", blue in " + std::to_string(bytes[2]),
                  32, Layout(40, masks), 127, 64, Pattern, Pattern);
        } while (std::next_permutation(bytes.begin(), bytes.end()));
    }
}

TEST_F(ImageBitFields, SixteenBitsWidenByRepeatingTheirTopBits) {
    // Channel values and the 8-bit colours they stand for: five bits 10000 are 10000100.
    const std::vector<std::pair<Masks, Masks>> fiveFiveFive = {
        {{0x1F, 0x10, 0x01}, {0xFF, 0x84, 0x08}}, {{0x00, 0x1F, 0x10}, {0x00, 0xFF, 0x84}}};
    const std::vector<std::pair<Masks, Masks>> fiveSixFive = {
        {{0x10, 0x20, 0x1F}, {0x84, 0x82, 0xFF}}, {{0x01, 0x3F, 0x00}, {0x08, 0xFF, 0x00}}};
    for (const auto& [masks, pixels] : {std::make_pair(Masks{0x7C00, 0x03E0, 0x001F}, fiveFiveFive),
                                        std::make_pair(Masks{0xF800, 0x07E0, 0x001F}, fiveSixFive)})
        Check(
            "16 bits, red mask " + std::to_string(masks[0]), 16, Layout(40, masks), 2, 1,
            [&](int x, int) { return pixels[static_cast<size_t>(x)].first; },
            [&](int x, int) { return pixels[static_cast<size_t>(x)].second; });
}

TEST_F(ImageBitFields, EveryHeaderThatCarriesMasks) {
    const Masks bytes = {0xFF000000, 0x00FF0000, 0x0000FF00};
    const Masks fiveSixFive = {0xF800, 0x07E0, 0x001F};
    const auto widened = [](int x, int y) {
        const Masks v = {static_cast<std::uint32_t>(x * 3), static_cast<std::uint32_t>(y * 9),
                         static_cast<std::uint32_t>(x + y)};
        return Masks{v[0] << 3 | v[0] >> 2, v[1] << 2 | v[1] >> 4, v[2] << 3 | v[2] >> 2};
    };
    const auto fields = [](int x, int y) {
        return Masks{static_cast<std::uint32_t>(x * 3), static_cast<std::uint32_t>(y * 9),
                     static_cast<std::uint32_t>(x + y)};
    };
    for (int header : {40, 52, 56, 108, 124}) {
        const std::uint32_t alpha = header == 56 || header == 124 ? 0xFF : 0;
        const std::string what = std::to_string(header) + "-byte header, ";
        Check(what + "32 bits", 32, Layout(header, bytes, alpha), 127, 64, Pattern, Pattern);
        Check(what + "16 bits", 16, Layout(header, fiveSixFive), 11, 7, fields, widened);
    }
}

} // namespace
