#include "tools/Canvas.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, unsigned v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

bool SaveBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

} // namespace

std::uint8_t ColourByte(double v) {
    const double scaled = std::floor(v * 255.0 + 0.5);
    return static_cast<std::uint8_t>(scaled < 0 ? 0 : scaled > 255 ? 255 : scaled);
}

bool WriteBmp(const std::string& path, const Canvas& canvas) {
    const unsigned stride = (canvas.width * 3u + 3u) & ~3u;
    const unsigned imageSize = stride * canvas.height;
    std::vector<std::uint8_t> out;
    out.reserve(54 + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + imageSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, canvas.width);
    Put32(out, canvas.height);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835); // 72 pixels per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = canvas.height - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width; ++x) {
            const Colour& c = canvas.At(x, y);
            out.push_back(ColourByte(c.b));
            out.push_back(ColourByte(c.g));
            out.push_back(ColourByte(c.r));
        }
        out.resize(out.size() + (stride - canvas.width * 3u), 0);
    }
    return SaveBytes(path, out);
}
