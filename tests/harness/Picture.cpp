#include "tests/harness/Picture.h"

#include <cctype>
#include <cstdio>
#include <fstream>

namespace {
// Far beyond either window; keeps a damaged header from asking for a huge buffer.
constexpr long kLargestSide = 16384;

// The next whitespace-separated number of a PPM header, skipping comments.
bool HeaderNumber(std::istream& in, long& value) {
    int c = in.get();
    while (c != EOF && (std::isspace(c) || c == '#')) {
        if (c == '#')
            while (c != EOF && c != '\n')
                c = in.get();
        c = in.get();
    }
    if (c == EOF || !std::isdigit(c))
        return false;
    value = 0;
    while (c != EOF && std::isdigit(c)) {
        value = value * 10 + (c - '0');
        if (value > kLargestSide)
            return false;
        c = in.get();
    }
    // Exactly one whitespace byte ends the header's last number.
    return c != EOF && std::isspace(c);
}
} // namespace

Picture PictureFromGl(int width, int height, const std::vector<unsigned char>& rgba, int stride) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.rgb.resize(static_cast<size_t>(width) * height * 3);
    unsigned char* out = picture.rgb.data();
    for (int row = height - 1; row >= 0; --row) {
        const unsigned char* in = rgba.data() + static_cast<size_t>(row) * stride;
        for (int x = 0; x < width; ++x, in += 4) {
            *out++ = in[0];
            *out++ = in[1];
            *out++ = in[2];
        }
    }
    return picture;
}

bool WritePpm(const std::string& path, const Picture& picture) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool written =
        std::fprintf(file, "P6\n%d %d\n255\n", picture.width, picture.height) > 0 &&
        std::fwrite(picture.rgb.data(), 1, picture.rgb.size(), file) == picture.rgb.size();
    return std::fclose(file) == 0 && written;
}

bool ReadPpm(const std::string& path, Picture& picture) {
    std::ifstream in(path, std::ios::binary);
    char magic[2] = {};
    long width = 0, height = 0, maximum = 0;
    if (!in.read(magic, 2) || magic[0] != 'P' || magic[1] != '6' || !HeaderNumber(in, width) ||
        !HeaderNumber(in, height) || !HeaderNumber(in, maximum) || maximum != 255)
        return false;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.rgb.assign(static_cast<size_t>(width) * height * 3, 0);
    if (!in.read(reinterpret_cast<char*>(picture.rgb.data()),
                 static_cast<std::streamsize>(picture.rgb.size())))
        return false;
    // Nothing may follow the pixels.
    return in.peek() == std::char_traits<char>::eof();
}
