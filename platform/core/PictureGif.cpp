// Our own GIF reader, so that no third-party decoder sees a GIF file: the first image only,
// drawn where it sits on the logical screen. Anything the file leaves unpainted (outside the
// image, transparent pixels, the rest of a file that ends early) is transparent black.
#include "platform/core/Pictures.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace win32 {

namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;

// Reads bytes front to back; every read past the end fails and leaves the reader failed.
class ByteReader {
  public:
    ByteReader(const std::uint8_t* data, size_t size) : data(data), size(size) {}

    bool Byte(int& out) {
        if (at >= size)
            return Fail();
        out = data[at++];
        return true;
    }
    bool Word(int& out) {
        if (size - at < 2)
            return Fail();
        out = data[at] | data[at + 1] << 8;
        at += 2;
        return true;
    }
    const std::uint8_t* Take(size_t count) {
        if (size - at < count) {
            Fail();
            return nullptr;
        }
        at += count;
        return data + at - count;
    }
    // The sub-blocks that follow, up to their zero terminator or the end of the file.
    std::vector<std::uint8_t> SubBlocks() {
        std::vector<std::uint8_t> joined;
        int length = 0;
        while (Byte(length) && length > 0) {
            const size_t count = std::min<size_t>(static_cast<size_t>(length), size - at);
            joined.insert(joined.end(), data + at, data + at + count);
            at += count;
        }
        return joined;
    }

  private:
    bool Fail() {
        at = size;
        return false;
    }
    const std::uint8_t* data;
    size_t size;
    size_t at = 0;
};

// RGBA entries; those a file does not give are opaque black.
using ColourTable = std::array<std::uint8_t, 256 * 4>;

bool ReadColours(ByteReader& in, int sizeBits, ColourTable& table) {
    const int count = 2 << sizeBits;
    const std::uint8_t* rgb = in.Take(static_cast<size_t>(count) * 3);
    if (!rgb)
        return false;
    for (int i = 0; i < count; ++i) {
        table[4 * i] = rgb[3 * i];
        table[4 * i + 1] = rgb[3 * i + 1];
        table[4 * i + 2] = rgb[3 * i + 2];
    }
    return true;
}

// Codes of a varying width, least significant bit first.
class CodeReader {
  public:
    explicit CodeReader(const std::vector<std::uint8_t>& bytes) : bytes(bytes) {}
    bool Next(int width, int& code) {
        while (held < width) {
            if (at >= bytes.size())
                return false;
            bits |= static_cast<std::uint32_t>(bytes[at++]) << held;
            held += 8;
        }
        code = static_cast<int>(bits & ((1u << width) - 1));
        bits >>= width;
        held -= width;
        return true;
    }

  private:
    const std::vector<std::uint8_t>& bytes;
    size_t at = 0;
    std::uint32_t bits = 0;
    int held = 0;
};

// Where each decoded pixel goes: rows in order, or in the four interlaced passes.
class PixelPlacer {
  public:
    PixelPlacer(RgbaPicture& screen, const ColourTable& colours, int left, int top, int width,
                int height, bool interlaced)
        : screen(screen), colours(colours), left(left), top(top), width(width), height(height),
          interlaced(interlaced) {}

    bool Full() const { return row >= height; }

    void Put(int index) {
        const int sx = left + column, sy = top + row;
        if (sx < screen.width && sy < screen.height) {
            std::uint8_t* out = screen.Row(sy) + 4 * sx;
            for (int c = 0; c < 4; ++c)
                out[c] = colours[4 * index + c];
        }
        if (++column < width)
            return;
        column = 0;
        NextRow();
    }

  private:
    void NextRow() {
        static constexpr int kStart[4] = {0, 4, 2, 1}, kStep[4] = {8, 8, 4, 2};
        if (!interlaced) {
            ++row;
            return;
        }
        row += kStep[pass];
        while (row >= height && pass < 3)
            row = kStart[++pass];
    }

    RgbaPicture& screen;
    const ColourTable& colours;
    const int left, top, width, height;
    const bool interlaced;
    int column = 0, row = 0, pass = 0;
};

// Expands the LZW stream into the placer. False for a code the table cannot yet hold; data
// that ends early simply stops the image there.
bool Expand(const std::vector<std::uint8_t>& data, int minimumBits, PixelPlacer& out) {
    const int clear = 1 << minimumBits, end = clear + 1;
    std::array<std::uint16_t, kTableSize> prefix{};
    std::array<std::uint8_t, kTableSize> first{}, last{};
    std::array<std::uint16_t, kTableSize> length{};
    for (int i = 0; i < clear; ++i) {
        first[i] = last[i] = static_cast<std::uint8_t>(i);
        length[i] = 1;
    }
    std::array<std::uint8_t, kTableSize> string{};
    CodeReader codes(data);
    int width = minimumBits + 1, next = end + 1, previous = -1, code = 0;
    while (!out.Full() && codes.Next(width, code)) {
        if (code == clear) {
            width = minimumBits + 1;
            next = end + 1;
            previous = -1;
            continue;
        }
        if (code == end)
            break;
        if (previous < 0 ? code >= clear : code > next)
            return false;
        if (previous >= 0 && next < kTableSize) {
            // The new entry is the previous string and the first pixel of this one, which for
            // the code being defined right now is the previous string's own first pixel.
            prefix[next] = static_cast<std::uint16_t>(previous);
            first[next] = first[previous];
            last[next] = code == next ? first[previous] : first[code];
            length[next] = static_cast<std::uint16_t>(length[previous] + 1);
            if (++next == 1 << width && width < kMaxCodeBits)
                ++width;
        }
        int n = length[code];
        for (int at = code; n > 0; at = prefix[at])
            string[--n] = last[at];
        for (int i = 0; i < length[code] && !out.Full(); ++i)
            out.Put(string[i]);
        previous = code;
    }
    return true;
}

} // namespace

std::unique_ptr<RgbaPicture> DecodeGif(const std::uint8_t* data, size_t size) {
    ByteReader in(data, size);
    const std::uint8_t* signature = in.Take(6);
    if (!signature ||
        (std::memcmp(signature, "GIF87a", 6) != 0 && std::memcmp(signature, "GIF89a", 6) != 0))
        return nullptr;
    int screenWidth = 0, screenHeight = 0, flags = 0, ignored = 0;
    if (!in.Word(screenWidth) || !in.Word(screenHeight) || !in.Byte(flags) || !in.Byte(ignored) ||
        !in.Byte(ignored))
        return nullptr;
    ColourTable global{};
    bool haveColours = flags & 0x80;
    if (haveColours && !ReadColours(in, flags & 7, global))
        return nullptr;

    // Extensions up to the first image; only the graphic control one matters.
    int transparent = -1, introducer = 0;
    while (in.Byte(introducer) && introducer == 0x21) {
        int label = 0;
        if (!in.Byte(label))
            return nullptr;
        const std::vector<std::uint8_t> body = in.SubBlocks();
        if (label == 0xF9 && body.size() >= 4)
            transparent = body[0] & 1 ? body[3] : -1;
    }
    int left = 0, top = 0, width = 0, height = 0;
    if (introducer != 0x2C || !in.Word(left) || !in.Word(top) || !in.Word(width) ||
        !in.Word(height) || !in.Byte(flags))
        return nullptr;
    ColourTable colours = global;
    if (flags & 0x80) {
        colours = ColourTable{};
        haveColours = ReadColours(in, flags & 7, colours);
    }
    int minimumBits = 0;
    if (!haveColours || !in.Byte(minimumBits) || minimumBits < 2 || minimumBits > 8 ||
        !PictureSizeAllowed(screenWidth, screenHeight) || !PictureSizeAllowed(width, height))
        return nullptr;
    for (int i = 0; i < 256; ++i)
        colours[4 * i + 3] = 255;
    if (transparent >= 0)
        std::fill_n(colours.begin() + 4 * transparent, 4, 0);
    const std::vector<std::uint8_t> stream = in.SubBlocks();

    std::unique_ptr<RgbaPicture> screen = NewRgbaPicture(screenWidth, screenHeight);
    if (!screen)
        return nullptr;
    PixelPlacer placer(*screen, colours, left, top, width, height, flags & 0x40);
    if (!Expand(stream, minimumBits, placer))
        return nullptr;
    return screen;
}

} // namespace win32
