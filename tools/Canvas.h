// A picture being painted: colours as doubles in 0..1, top row first, and how it is saved.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Colour {
    double r = 0, g = 0, b = 0;
};

inline Colour Mix(const Colour& a, const Colour& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

struct Canvas {
    Canvas(int width, int height) : width(width), height(height), pixels(width * height) {}
    Colour& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    const Colour& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }

    int width;
    int height;
    std::vector<Colour> pixels;
};

// A colour channel in 0..1 as a byte, rounded and clamped.
std::uint8_t ColourByte(double v);

// Writes an uncompressed 24-bit BMP, bottom row first; false when the file cannot be written.
bool WriteBmp(const std::string& path, const Canvas& canvas);
