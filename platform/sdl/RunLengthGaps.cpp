// Pixels that run-length bitmap data leaves out (by ending a row or the picture early, or by
// jumping ahead) are black on Windows; SDL gives them palette entry 0. This follows the runs
// of the file once more and blackens what they pass over: they only ever move forwards, so
// the work is one step per code and one store per pixel left out.
#include "platform/core/Gdi.h"
#include "platform/sdl/Internal.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace win32 {

namespace {

std::uint32_t Read32(const std::vector<std::uint8_t>& d, size_t at) {
    return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | static_cast<std::uint32_t>(d[at + 3]) << 24;
}

bool ReadFile(const std::string& path, std::vector<std::uint8_t>& data) {
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file)
        return false;
    const Sint64 size = SDL_RWsize(file);
    bool ok = size >= 54 && size <= static_cast<Sint64>(kMaxPictureBytes);
    if (ok) {
        data.resize(static_cast<size_t>(size));
        ok = SDL_RWread(file, data.data(), 1, data.size()) == data.size();
    }
    SDL_RWclose(file);
    return ok;
}

} // namespace

void BlackenRunLengthGaps(const std::string& path, Bitmap& bitmap) {
    std::vector<std::uint8_t> d;
    if (!ReadFile(path, d) || d[0] != 'B' || d[1] != 'M' || Read32(d, 14) < 40)
        return;
    const std::uint32_t compression = Read32(d, 30);
    const int bits = d[28] | d[29] << 8;
    const bool eightBit = compression == 1 && bits == 8;
    if (!eightBit && !(compression == 2 && bits == 4))
        return;
    const long long width = static_cast<std::int32_t>(Read32(d, 18));
    const long long height = static_cast<std::int32_t>(Read32(d, 22));
    if (width != bitmap.width || height != bitmap.height)
        return;
    // Positions count rows from the bottom, as the data stores them; runs write from (x, y).
    long long x = 0, y = 0;
    // Blackens every pixel from (x, y) up to (toX, toY), that one excluded, and moves there.
    auto skipTo = [&](long long toX, long long toY) {
        for (long long row = y; row <= std::min(toY, height - 1); ++row) {
            const long long from = row == y ? std::min(x, width) : 0;
            const long long to = row == toY ? std::min(toX, width) : width;
            if (from < to)
                std::memset(bitmap.TopRow(static_cast<int>(height - 1 - row)) + 3 * from, 0,
                            static_cast<size_t>(3 * (to - from)));
        }
        x = toX;
        y = toY;
    };
    for (size_t at = Read32(d, 10); at + 1 < d.size() && y < height;) {
        const int count = d[at], code = d[at + 1];
        at += 2;
        if (count > 0) {
            x += count;
        } else if (code == 0) {
            skipTo(0, y + 1);
        } else if (code == 1) {
            break;
        } else if (code == 2) {
            if (at + 1 >= d.size())
                break;
            skipTo(x + d[at], y + d[at + 1]);
            at += 2;
        } else {
            x += code;
            const size_t bytes = eightBit ? code : (code + 1) / 2;
            at += (bytes + 1) & ~static_cast<size_t>(1); // padded to a whole word
        }
    }
    skipTo(0, height);
}

} // namespace win32
