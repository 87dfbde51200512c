// Pixel storage modes and the conversions of pixel rectangles between the program's memory and
// the tightly packed bytes the layer exchanges with OpenGL ES. Only unsigned bytes are moved.
#pragma once

#include "gl11/Gl.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gl11 {

struct PixelStore {
    GLint swapBytes = 0, lsbFirst = 0;
    GLint rowLength = 0, skipRows = 0, skipPixels = 0, alignment = 4;
};

// What a texel or pixel holds.
enum class TexelKind : std::uint8_t { None, Alpha, Luminance, LuminanceAlpha, Rgb, Rgba };

// Bytes per pixel of a format the layer moves (RGB, RGBA, BGR, BGRA, luminance, luminance
// alpha, alpha); 0 for any other.
int BytesPerPixel(GLenum format);
// The kind of texel an internal format names (1 to 4 or a base or sized format); None for
// formats the layer does not know.
TexelKind KindOfInternalFormat(GLint internalFormat);
int BytesPerTexel(TexelKind kind);

// Where a rectangle of width pixels of bytesPerPixel sits in memory under the storage modes:
// the offset of its first pixel and the distance between rows, in bytes.
struct PixelLayout {
    std::size_t first;
    std::size_t stride;
};
PixelLayout LayoutOf(const PixelStore& store, int width, int bytesPerPixel);

// Reads a rectangle of format pixels under the unpack modes and converts each to texels of
// kind, tightly packed, as OpenGL does (through RGBA: luminance from red, missing colour 0,
// missing alpha 1).
void UnpackTexels(const void* pixels, const PixelStore& unpack, int width, int height,
                  GLenum format, TexelKind kind, std::vector<std::uint8_t>& texels);
// Writes tightly packed RGBA pixels to memory as format under the pack modes (luminance is the
// clamped sum of red, green and blue).
void PackPixels(const std::uint8_t* rgba, int width, int height, GLenum format,
                const PixelStore& pack, void* pixels);

} // namespace gl11
