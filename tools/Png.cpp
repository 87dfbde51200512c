#include "tools/Png.h"

#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// Every row unfiltered, so the file is the same wherever it is made; libpng compresses it.
// libpng's own handlers say what went wrong on standard error.
bool Write(std::FILE* file, const std::vector<std::uint8_t>& rgba, int width, int height) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y)
        png_write_row(png, rgba.data() + static_cast<size_t>(y) * width * 4);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool WritePng(const std::string& path, const CoveredCanvas& picture) {
    const Canvas& canvas = picture.colour;
    std::vector<std::uint8_t> rgba;
    rgba.reserve(canvas.pixels.size() * 4);
    for (size_t i = 0; i < canvas.pixels.size(); ++i) {
        const Colour& c = canvas.pixels[i];
        rgba.insert(rgba.end(), {ColourByte(c.r), ColourByte(c.g), ColourByte(c.b),
                                 ColourByte(picture.alpha[i])});
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = Write(file, rgba, canvas.width, canvas.height);
    return std::fclose(file) == 0 && written;
}
