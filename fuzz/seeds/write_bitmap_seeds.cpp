// Writes the BMP and TGA seeds of the fuzz corpus with the tests' own picture writer: every
// variant the readers and the platform's bitmap loader take, 5 x 3 (BMP) or 4 x 2 (TGA).
// fuzz/make-seeds.py cuts and damages them and adds the other kinds of picture.
// Usage: write_bitmap_seeds FOLDER  (writes FOLDER/bmp and FOLDER/tga, which must exist)
#include "tests/support/PictureBytes.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Index = std::function<int(int, int)>;

Bytes Pixel(int x, int y) {
    return {static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 60),
            static_cast<std::uint8_t>((x + y) * 25)};
}

// Rows from the bottom up, each `pixel(x, y)` bytes a pixel, padded to 4 bytes.
Bytes Rows(int width, int height, const std::function<Bytes(int, int)>& pixel, bool topDown) {
    Bytes rows;
    for (int i = 0; i < height; ++i) {
        const int y = topDown ? height - 1 - i : i;
        for (int x = 0; x < width; ++x) {
            const Bytes p = pixel(x, y);
            rows.insert(rows.end(), p.begin(), p.end());
        }
        rows.resize((rows.size() + 3) / 4 * 4, 0);
    }
    return rows;
}

// Palette indices packed at 1, 4 or 8 bits, most significant first.
Bytes Packed(int width, int height, int bits, const Index& index, bool topDown = false) {
    Bytes rows;
    for (int i = 0; i < height; ++i) {
        const int y = topDown ? height - 1 - i : i;
        int value = 0, count = 0;
        for (int x = 0; x < width; ++x) {
            value = value << bits | index(x, y);
            if ((count += bits) == 8) {
                rows.push_back(static_cast<std::uint8_t>(value));
                value = count = 0;
            }
        }
        if (count)
            rows.push_back(static_cast<std::uint8_t>(value << (8 - count)));
        rows.resize((rows.size() + 3) / 4 * 4, 0);
    }
    return rows;
}

Bytes Word16(std::uint16_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
}

BmpLayout Layout(int header, std::uint32_t compression = 0, std::vector<std::uint32_t> masks = {},
                 long long colours = -1) {
    BmpLayout layout;
    layout.header = header;
    layout.compression = compression;
    layout.masks = std::move(masks);
    layout.coloursUsed = colours;
    return layout;
}

std::vector<std::pair<std::string, Bytes>> Bitmaps() {
    const int w = 5, h = 3;
    const auto pixel32 = [](int x, int y) {
        Bytes p = Pixel(x, y);
        p.push_back(static_cast<std::uint8_t>(x * 60));
        return p;
    };
    const Bytes rows24 = Rows(w, h, Pixel, false);
    const Bytes rows32 = Rows(w, h, pixel32, false);
    const Bytes rows16 = Rows(
        w, h,
        [](int x, int y) {
            return Word16(static_cast<std::uint16_t>(x * 5 << 10 | y * 9 << 5 | 17));
        },
        false);
    const Bytes rows565 = Rows(
        w, h,
        [](int x, int y) {
            return Word16(static_cast<std::uint16_t>(x * 6 << 11 | y * 20 << 5 | 9));
        },
        false);
    const Index index8 = [](int x, int y) { return (x * 3 + y) % 16; };
    const Bytes rows8 = Packed(w, h, 8, index8);
    Bytes colour, core;
    for (int i = 0; i < 16; ++i) {
        colour.insert(colour.end(),
                      {static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(255 - i * 16),
                       static_cast<std::uint8_t>(i * 7), 0});
        core.insert(core.end(),
                    {static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(255 - i * 16),
                     static_cast<std::uint8_t>(i)});
    }
    const Bytes two = {0x10, 0x20, 0x30, 0, 0xF0, 0xE0, 0xD0, 0};
    // Runs, an absolute run, a delta, the ends of lines and of the picture.
    const Bytes rle8 = {3, 1, 2, 5, 0, 0, 0, 3, 7, 8, 9, 0, 2, 4, 0, 0, 0, 2, 1, 0, 1, 6, 0, 1};
    const Bytes rle4 = {3, 0x12, 2, 0x34, 0,    0, 0, 5, 0x12, 0x34, 0x50,
                        0, 0,    0, 2,    0xAB, 0, 2, 1, 0,    0,    1};
    Bytes noSize = Bmp(w, h, 24, {}, rows24);
    Put32(noSize, kImageSize, 0);
    const std::vector<std::uint32_t> standard = {0xFF0000, 0xFF00, 0xFF};
    return {
        {"24.bmp", Bmp(w, h, 24, {}, rows24)},
        {"24-top-down.bmp", Bmp(w, -h, 24, {}, Rows(w, h, Pixel, true))},
        {"24-no-size.bmp", noSize},
        {"24-v5.bmp", Bmp(w, h, 24, {}, rows24, Layout(124))},
        {"24-os2.bmp", Bmp(w, h, 24, {}, rows24, Layout(12))},
        {"8-grey.bmp", Bmp(w, h, 8, GreyPalette(256), rows8)},
        {"8-colour.bmp", Bmp(w, h, 8, colour, rows8)},
        {"8-all-colours.bmp", Bmp(w, h, 8, GreyPalette(256), rows8, Layout(40, 0, {}, 0))},
        {"8-v4.bmp", Bmp(w, h, 8, colour, rows8, Layout(108))},
        {"8-top-down.bmp", Bmp(w, -h, 8, colour, Packed(w, h, 8, index8, true))},
        {"8-os2.bmp", Bmp(w, h, 8, core, rows8, Layout(12))},
        {"4.bmp",
         Bmp(w, h, 4, colour, Packed(w, h, 4, [](int x, int y) { return (x + 2 * y) % 16; }))},
        {"1.bmp", Bmp(w, h, 1, two, Packed(w, h, 1, [](int x, int y) { return (x + y) % 2; }))},
        {"8-rle.bmp", Bmp(w, h, 8, colour, rle8, 1)},
        {"4-rle.bmp", Bmp(w, h, 4, colour, rle4, 2)},
        {"16.bmp", Bmp(w, h, 16, {}, rows16)},
        {"16-565.bmp", Bmp(w, h, 16, {}, rows565, Layout(40, 3, {0xF800, 0x07E0, 0x001F}))},
        {"16-565-v2.bmp", Bmp(w, h, 16, {}, rows565, Layout(52, 3, {0xF800, 0x07E0, 0x001F}))},
        {"16-narrow.bmp", Bmp(w, h, 16, {}, rows16, Layout(40, 3, {0x0001, 0x0006, 0x0038}))},
        {"32.bmp", Bmp(w, h, 32, {}, rows32)},
        {"32-fields.bmp", Bmp(w, h, 32, {}, rows32, Layout(40, 3, standard))},
        {"32-fields-high.bmp",
         Bmp(w, h, 32, {}, rows32, Layout(40, 3, {0xFF000000, 0xFF0000, 0xFF00}))},
        {"32-fields-v3.bmp",
         Bmp(w, h, 32, {}, rows32, Layout(56, 3, {0xFF00, 0xFF, 0xFF0000, 0xFF000000}))},
        {"32-alpha-v5.bmp",
         Bmp(w, h, 32, {}, rows32, Layout(124, 3, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}))},
    };
}

Bytes TgaFile(int bits, const Bytes& data, int type = 2, int descriptor = 0, bool footer = false,
              const std::string& ident = "") {
    Bytes file = Tga(type, 4, 2, bits, descriptor, data, footer);
    file[0] = static_cast<std::uint8_t>(ident.size());
    file.insert(file.begin() + 18, ident.begin(), ident.end());
    return file;
}

std::vector<std::pair<std::string, Bytes>> Tgas() {
    Bytes raw24, raw32;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
            const Bytes p = Pixel(x, y);
            raw24.insert(raw24.end(), p.begin(), p.end());
            raw32.insert(raw32.end(), p.begin(), p.end());
            raw32.push_back(static_cast<std::uint8_t>(x * 60));
        }
    const auto cat = [](std::initializer_list<Bytes> parts) {
        Bytes all;
        for (const Bytes& p : parts)
            all.insert(all.end(), p.begin(), p.end());
        return all;
    };
    const Bytes rle24 =
        cat({{0x83}, Pixel(1, 1), {0x01}, Pixel(2, 0), Pixel(0, 2), {0x81}, Pixel(3, 3)});
    // A raw packet, then a run that crosses from the first row into the second.
    const Bytes rle32 = cat({{0x02},
                             Pixel(0, 0),
                             {0x80},
                             Pixel(1, 0),
                             {0x80},
                             Pixel(2, 0),
                             {0x80},
                             {0x84},
                             Pixel(5, 5),
                             {0x40}});
    return {
        {"24.tga", TgaFile(24, raw24)},
        {"24-footer.tga", TgaFile(24, raw24, 2, 0, true)},
        {"24-top.tga", TgaFile(24, raw24, 2, 0x20, true)},
        {"24-ident.tga", TgaFile(24, raw24, 2, 0, true, "moon!")},
        {"32.tga", TgaFile(32, raw32, 2, 8, true)},
        {"32-top.tga", TgaFile(32, raw32, 2, 0x28)},
        {"24-rle.tga", TgaFile(24, rle24, 10, 0, true)},
        {"24-rle-top.tga", TgaFile(24, rle24, 10, 0x20)},
        {"32-rle.tga", TgaFile(32, rle32, 10, 8, true)},
    };
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_bitmap_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    for (const auto& [kind, files] :
         {std::make_pair("bmp", Bitmaps()), std::make_pair("tga", Tgas())})
        for (const auto& [name, bytes] : files)
            if (!WriteBytes(folder + "/" + kind + "/" + name, bytes)) {
                std::fprintf(stderr, "cannot write %s/%s/%s\n", folder.c_str(), kind, name.c_str());
                return 1;
            }
    return 0;
}
