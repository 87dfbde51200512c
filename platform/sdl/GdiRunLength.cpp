// Pixels that run-length bitmap data leaves out (by ending a row or the picture early, or by
// jumping ahead) are black on Windows; SDL gives them palette entry 0. This follows the runs
// of the file once more, only to learn which pixels they write.
#include "platform/sdl/GdiInternal.h"

#include <vector>

namespace win32sdl {

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
    std::vector<bool> written(static_cast<size_t>(width * height), false);
    auto mark = [&](long long x, long long y, long long n) {
        for (long long i = x; i < x + n && i < width; ++i)
            written[static_cast<size_t>(y * width + i)] = true;
    };
    // y counts rows from the bottom, as the data stores them.
    long long x = 0, y = 0;
    for (size_t at = Read32(d, 10); at + 1 < d.size() && y < height;) {
        const int count = d[at], code = d[at + 1];
        at += 2;
        if (count > 0) {
            mark(x, y, count);
            x += count;
        } else if (code == 0) {
            x = 0;
            ++y;
        } else if (code == 1) {
            break;
        } else if (code == 2) {
            if (at + 1 >= d.size())
                break;
            x += d[at];
            y += d[at + 1];
            at += 2;
        } else {
            mark(x, y, code);
            x += code;
            const size_t bytes = eightBit ? code : (code + 1) / 2;
            at += (bytes + 1) & ~static_cast<size_t>(1); // padded to a whole word
        }
    }
    for (long long row = 0; row < height; ++row) {
        std::uint8_t* pixels = bitmap.TopRow(static_cast<int>(height - 1 - row));
        for (long long column = 0; column < width; ++column)
            if (!written[static_cast<size_t>(row * width + column)])
                pixels[column * 3] = pixels[column * 3 + 1] = pixels[column * 3 + 2] = 0;
    }
}

} // namespace win32sdl
