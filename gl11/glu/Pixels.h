// The pictures gluBuild2DMipmaps works on: tightly packed rows of bytes, bottom row first,
// each pixel a few components; and the two ways it resizes them.
#pragma once

#include <cstddef>
#include <vector>

namespace gl11 {

struct Pixels {
    int width = 0;
    int height = 0;
    int components = 0;
    std::vector<unsigned char> bytes; // width * height * components

    unsigned char* Row(int y) {
        return bytes.data() + static_cast<std::size_t>(y) * width * components;
    }
    const unsigned char* Row(int y) const {
        return bytes.data() + static_cast<std::size_t>(y) * width * components;
    }
};

// The picture resized to width x height with a box filter: every new pixel is the average of
// the area of the old picture it covers, rounded down.
Pixels Scaled(const Pixels& from, int width, int height);

// The next smaller level of a mipmap pyramid: each dimension larger than 1 halved, every new
// pixel the rounded average of the two or four it replaces.
Pixels Halved(const Pixels& from);

} // namespace gl11
