// One pixel budget for every reader of the chain: a file that claims more than the budget, or
// more than it holds, costs next to nothing, and the largest files each reader takes stay
// within the budget, counted in a child process of their own.
#include "tests/support/ImageTestFiles.h"

#include "framework/ImageClaims.h"
#include "platform/PictureBudget.h"
#include "tests/support/ChildRun.h"

namespace {

constexpr double kBudget = static_cast<double>(kMaxPictureBytes);

enum class Outcome { Refused, Loaded, Either };

struct Crafted {
    std::string name;
    Bytes head;
    long long length; // of the whole file, the rest reading as zeros; 0: the head alone
    Outcome outcome;
    double budgets; // the most memory the load may take
};

// A refusal costs next to nothing: it comes before the store is allocated.
constexpr double kNothing = 0.25;
// Our own readers keep one store and nothing of its size besides.
constexpr double kOneStore = 1.25;
// Any load: three times the budget.
constexpr double kAnyLoad = 3;

Bytes ColourPalette() {
    Bytes palette(1024, 0);
    for (int i = 0; i < 256; ++i)
        palette[4 * i + 2] = static_cast<std::uint8_t>(i);
    return palette;
}

// Headers of a BMP whose stated pixel data the file holds (as zeros) when `whole`.
Crafted BmpOf(const std::string& name, int width, int height, int bits, const Bytes& palette,
              BmpLayout layout, bool whole, Outcome outcome, double budgets) {
    const long long rows =
        (static_cast<long long>(width) * bits / 8 + 3) / 4 * 4 * (height < 0 ? -height : height);
    Bytes head = Bmp(width, height, bits, palette, {}, layout);
    if (layout.header != 12)
        Put32(head, kImageSize, static_cast<std::uint32_t>(rows));
    const long long length = whole ? static_cast<long long>(head.size()) + rows : 0;
    return {name, std::move(head), length, outcome, budgets};
}

// 32-bit run-length TGA of packets holding 128 pixels each, as many as fill the picture.
Bytes RunPackets(int width, int height, std::uint8_t packet) {
    const long long count = (static_cast<long long>(width) * height + 127) / 128;
    Bytes data;
    data.reserve(static_cast<size_t>(count * 5));
    for (long long i = 0; i < count; ++i)
        data.insert(data.end(), {packet, 0x30, 0x60, 0x90, 0xFF});
    return Tga(10, width, height, 32, 8, data, true);
}

Bytes ShortJpeg(int width, int height) {
    return {0xFF,
            0xD8,
            0xFF,
            0xC0,
            0,
            11,
            8,
            static_cast<std::uint8_t>(height >> 8),
            static_cast<std::uint8_t>(height),
            static_cast<std::uint8_t>(width >> 8),
            static_cast<std::uint8_t>(width),
            1,
            1,
            0x11,
            0,
            0xFF,
            0xD9};
}

Bytes ShortGif(int width, int height) {
    Bytes gif = {'G',  'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, // no colour table
                 0x2C, 0,   0,   0,   0,   0,   0, 0, 0, 0, 2, 1, 0x04, 0, 0x3B};
    Put16(gif, 6, static_cast<std::uint16_t>(width));
    Put16(gif, 8, static_cast<std::uint16_t>(height));
    Put16(gif, 18, static_cast<std::uint16_t>(width));
    Put16(gif, 20, static_cast<std::uint16_t>(height));
    return gif;
}

Bytes ShortPng(int width, int height) {
    return PngFile(width, height, 8, 6, false, {});
}

std::vector<Crafted> Files() {
    using O = Outcome;
    const Bytes palette = ColourPalette();
    BmpLayout plain, fields, v5, core, rle8, rle4;
    fields.compression = 3;
    fields.masks = {0xFF0000, 0xFF00, 0xFF};
    v5 = fields;
    v5.header = 124;
    v5.masks.push_back(0xFF000000);
    core.header = 12;
    rle8.compression = 1;
    rle4.compression = 2;
    std::vector<Crafted> files = {
        // Files that lie: far more claimed than the budget, and held (as zeros) or not.
        {"rle-65535x8191.tga", RunPackets(65535, 8191, 0xFF), 0, O::Refused, kNothing},
        {"raw-65535x8191.tga", Tga(2, 65535, 8191, 32, 8, {}), 18 + 4LL * 65535 * 8191, O::Refused,
         kNothing},
        BmpOf("8-23170x23170.bmp", 23170, 23170, 8, palette, plain, true, O::Refused, kNothing),
        BmpOf("24-16383x21845.bmp", 16383, 21845, 24, {}, plain, true, O::Refused, kNothing),
        BmpOf("fields-8192x8192.bmp", 8192, 8192, 32, {}, fields, true, O::Refused, kNothing),
        {"rle8-65535x65535.bmp", Bmp(65535, 65535, 8, palette, {0, 1}, rle8), 0, O::Refused,
         kNothing},
        // The largest files the readers take, whole (run-length bitmaps are whole in the
        // sweep below).
        {"rle-4096x4096.tga", RunPackets(4096, 4096, 0xFF), 0, O::Loaded, kOneStore},
        {"raw-top-4096x4096.tga", Tga(2, 4096, 4096, 32, 0x28, {}), 18 + 4LL * 4096 * 4096,
         O::Loaded, kOneStore},
        BmpOf("8-4096x5461.bmp", 4096, 5461, 8, palette, plain, true, O::Loaded, kOneStore),
        BmpOf("24-top-4095x5461.bmp", 4095, -5461, 24, {}, plain, true, O::Loaded, kOneStore),
        BmpOf("fields-4096x4096.bmp", 4096, 4096, 32, {}, fields, true, O::Loaded, kAnyLoad),
        BmpOf("32-4096x4096.bmp", 4096, 4096, 32, {}, plain, true, O::Loaded, kAnyLoad),
        // The picture loader keeps the decoded picture while it draws it into a bitmap. Stored
        // without compression, as our writer does, 4000 x 4000 is the largest that the
        // loader's limit on file sizes lets in.
        {"4000x4000.png", PngFile(4000, 4000, 8, 6, false, Bytes(4000 * (1 + 4 * 4000), 0)), 0,
         O::Loaded, kAnyLoad},
        // Just enough packets for the picture's size, of one pixel each: the store is
        // allocated, the stream ends early.
        {"rle-short-4096x4096.tga", RunPackets(4096, 4096, 0x00), 0, O::Refused, kOneStore},
    };
    // The header sweep: the largest size each reader takes and the next one up, with the
    // headers alone. Our own readers refuse short files; the platform's loaders may draw what
    // the data leaves out (a run-length bitmap ends at once), but not past the budget.
    struct Sweep {
        const char* name;
        int width, height; // the largest taken
        bool wider;        // the next size up is one more column, else one more row
        bool ours;
        std::function<Bytes(int, int)> file;
    };
    const auto bmp = [&](int bits, const Bytes& pal, const BmpLayout& layout) {
        return [=](int w, int h) {
            return BmpOf("", w, h, bits, pal, layout, false, O::Either, 0).head;
        };
    };
    const std::vector<Sweep> sweeps = {
        {"raw24.tga", 65535, 341, false, true,
         [](int w, int h) { return Tga(2, w, h, 24, 0, {}, true); }},
        {"raw32.tga", 65535, 256, false, true,
         [](int w, int h) { return Tga(2, w, h, 32, 8, {}, true); }},
        {"rle32.tga", 4096, 4096, false, true,
         [](int w, int h) {
             return Tga(10, w, h, 32, 8, {0xFF, 1, 2, 3, 4}, true);
         }},
        {"24.bmp", 4096, 5461, false, true, bmp(24, {}, plain)},
        {"8-colour.bmp", 4096, 5461, false, true, bmp(8, palette, plain)},
        {"8-grey.bmp", 8192, 8192, false, true, bmp(8, GreyPalette(256), plain)},
        {"32.bmp", 4096, 4096, true, false, bmp(32, {}, plain)},
        {"16.bmp", 4096, 4096, true, false, bmp(16, {}, plain)},
        {"fields32.bmp", 4096, 4096, true, false, bmp(32, {}, fields)},
        {"v5-fields32.bmp", 4096, 4096, true, false, bmp(32, {}, v5)},
        {"core24.bmp", 4096, 4096, true, false, bmp(24, {}, core)},
        {"1.bmp", 4096, 4096, true, false, bmp(1, Bytes(8, 0), plain)},
        {"4.bmp", 4096, 4096, true, false, bmp(4, Bytes(64, 0), plain)},
        {"rle8.bmp", 4096, 4096, true, false,
         [&](int w, int h) {
             return Bmp(w, h, 8, palette, {0, 1}, rle8);
         }},
        {"rle4.bmp", 4096, 4096, true, false,
         [&](int w, int h) {
             return Bmp(w, h, 4, Bytes(64, 0), {0, 1}, rle4);
         }},
        {"pic.png", 4096, 4096, true, false, ShortPng},
        {"pic.jpg", 4096, 4096, true, false, ShortJpeg},
        {"pic.gif", 4096, 4096, true, false, ShortGif},
        {"png-inside.ico", 4096, 4096, true, false,
         [](int w, int h) {
             return IconFile(1, {{0, 0, 0, ShortPng(w, h)}});
         }},
    };
    for (const Sweep& s : sweeps) {
        const std::string largest = std::to_string(s.width) + "x" + std::to_string(s.height);
        files.push_back({"largest-" + largest + "-" + s.name, s.file(s.width, s.height), 0,
                         s.ours ? O::Refused : O::Either, kAnyLoad});
        files.push_back({std::string("past-") + s.name,
                         s.file(s.width + s.wider, s.height + !s.wider), 0, O::Refused, kNothing});
    }
    return files;
}

class ImageBudget : public ScratchTest {};

TEST_F(ImageBudget, EveryReaderStaysWithinIt) {
    for (const Crafted& file : Files()) {
        SCOPED_TRACE(file.name);
        WriteFile(file.name, file.head);
        if (file.length > 0)
            std::filesystem::resize_file(file.name, static_cast<std::uintmax_t>(file.length));
        const ChildRun run = RunInChild([&] {
            Image image;
            return image.Load(file.name.c_str()) ? 1 : 0;
        });
        ASSERT_TRUE(run.finished) << "the load crashed or did not end";
        if (file.outcome != Outcome::Either) {
            EXPECT_EQ(run.result, file.outcome == Outcome::Loaded ? 1 : 0);
        }
        if (run.measured) {
            EXPECT_LT(run.peakBytes, file.budgets * kBudget)
                << "took " << run.peakBytes / 1048576.0 << " MiB";
        }
        std::filesystem::remove(file.name);
    }
}

// The check made before a file goes to the system's loaders, which believe what a header
// claims: 4096 x 4096 is the whole budget at 4 bytes a pixel, and a bitmap must hold its rows.
TEST_F(ImageBudget, HeadersAreMeasuredBeforeTheLoadersSeeThem) {
    BmpLayout core;
    core.header = 12;
    // Run-length bitmaps state no rows, only their data's length.
    const auto runs = [](int width, int height) { return Bmp(width, height, 8, {}, {0, 1}, 1); };
    const Bytes whole = Bmp(3, 2, 24, {}, Bytes(24, 9));
    const Bytes bigPng = ShortPng(65535, 65535);
    // A GIF whose screen fits but whose first image, past a colour table and an extension,
    // does not.
    const auto gifWithImage = [](int width, int height) {
        Bytes gif = ShortGif(16, 16);
        gif[10] = 0x81; // a global table of 4 colours
        gif.insert(gif.begin() + 13, 12, 0);
        const Bytes extension = {0x21, 0xF9, 4, 1, 0, 0, 0, 0};
        gif.insert(gif.begin() + 25, extension.begin(), extension.end());
        Put16(gif, 25 + 8 + 5, static_cast<std::uint16_t>(width));
        Put16(gif, 25 + 8 + 7, static_cast<std::uint16_t>(height));
        return gif;
    };
    // A progressive JPEG, its frame after an application segment.
    const auto jpegAfterApp = [](int width, int height) {
        Bytes jpeg = ShortJpeg(width, height);
        jpeg[3] = 0xC2;
        jpeg.insert(jpeg.begin() + 2, {0xFF, 0xE0, 0, 6, 'J', 'F', 'I', 'F'});
        return jpeg;
    };
    // An icon whose second image is the large one.
    const auto icon = [](const Bytes& second) {
        return IconFile(
            1, {{1, 1, 0, IconBitmap(1, 1, 24, {}, Bytes(4, 0), Bytes(4, 0))}, {0, 0, 0, second}});
    };
    struct Case {
        const char* what;
        Bytes file;
        bool fits;
    };
    const Case cases[] = {
        {"bitmap", runs(4096, 4096), true},
        {"bitmap", runs(4097, 4096), false},
        {"top-down bitmap", runs(4096, -4096), true},
        {"top-down bitmap", runs(4096, -4097), false},
        {"core bitmap", Bmp(2, 2, 24, {}, Bytes(16, 0), core), true},
        {"core bitmap", Bmp(4096, 4097, 24, {}, {}, core), false},
        {"bitmap with its rows", whole, true},
        {"bitmap a byte short of its rows", Bytes(whole.begin(), whole.end() - 1), false},
        {"bitmap cut in its header", Bytes(whole.begin(), whole.begin() + 40), false},
        {"png", ShortPng(4096, 4096), true},
        {"png", bigPng, false},
        {"png of the largest sizes", ShortPng(-1, -1), false},
        {"png of no width", ShortPng(0, -1), true},
        {"gif screen", ShortGif(4097, 4096), false},
        {"gif image", gifWithImage(4096, 4096), true},
        {"gif image", gifWithImage(4096, 4097), false},
        {"jpeg", jpegAfterApp(4096, 4096), true},
        {"jpeg", jpegAfterApp(4096, 4097), false},
        {"icon bitmap", icon(IconBitmap(4096, 4096, 24, {}, {}, {})), true},
        {"icon bitmap", icon(IconBitmap(4097, 4096, 24, {}, {}, {})), false},
        {"icon png", icon(ShortPng(4097, 4096)), false},
        {"unknown kind", Bytes(64, 0xEE), true},
        {"too short for a png's size", Bytes(bigPng.begin(), bigPng.begin() + 20), true},
    };
    for (const Case& c : cases) {
        WriteFile("pic", c.file);
        EXPECT_EQ(PictureHeaderFits("pic"), c.fits) << c.what;
    }
    EXPECT_TRUE(PictureHeaderFits("absent"));
}

} // namespace
