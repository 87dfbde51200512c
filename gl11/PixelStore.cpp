#include "gl11/PixelStore.h"

#include <algorithm>

namespace gl11 {

namespace {
// One pixel of format as red, green, blue and alpha.
void ToRgba(const std::uint8_t* p, GLenum format, std::uint8_t out[4]) {
    switch (format) {
    case GL_RGB:
        out[0] = p[0], out[1] = p[1], out[2] = p[2], out[3] = 255;
        break;
    case GL_RGBA:
        out[0] = p[0], out[1] = p[1], out[2] = p[2], out[3] = p[3];
        break;
    case GL_BGR_EXT:
        out[0] = p[2], out[1] = p[1], out[2] = p[0], out[3] = 255;
        break;
    case GL_BGRA_EXT:
        out[0] = p[2], out[1] = p[1], out[2] = p[0], out[3] = p[3];
        break;
    case GL_LUMINANCE:
        out[0] = out[1] = out[2] = p[0], out[3] = 255;
        break;
    case GL_LUMINANCE_ALPHA:
        out[0] = out[1] = out[2] = p[0], out[3] = p[1];
        break;
    default: // GL_ALPHA
        out[0] = out[1] = out[2] = 0, out[3] = p[0];
        break;
    }
}

void FromRgba(const std::uint8_t rgba[4], GLenum format, std::uint8_t* out) {
    const auto luminance = static_cast<std::uint8_t>(std::min(255, rgba[0] + rgba[1] + rgba[2]));
    switch (format) {
    case GL_RGB:
        out[0] = rgba[0], out[1] = rgba[1], out[2] = rgba[2];
        break;
    case GL_RGBA:
        out[0] = rgba[0], out[1] = rgba[1], out[2] = rgba[2], out[3] = rgba[3];
        break;
    case GL_BGR_EXT:
        out[0] = rgba[2], out[1] = rgba[1], out[2] = rgba[0];
        break;
    case GL_BGRA_EXT:
        out[0] = rgba[2], out[1] = rgba[1], out[2] = rgba[0], out[3] = rgba[3];
        break;
    case GL_LUMINANCE:
        out[0] = luminance;
        break;
    case GL_LUMINANCE_ALPHA:
        out[0] = luminance, out[1] = rgba[3];
        break;
    default: // GL_ALPHA
        out[0] = rgba[3];
        break;
    }
}
} // namespace

int BytesPerPixel(GLenum format) {
    switch (format) {
    case GL_RGB:
    case GL_BGR_EXT:
        return 3;
    case GL_RGBA:
    case GL_BGRA_EXT:
        return 4;
    case GL_LUMINANCE_ALPHA:
        return 2;
    case GL_LUMINANCE:
    case GL_ALPHA:
        return 1;
    default:
        return 0;
    }
}

TexelKind KindOfInternalFormat(GLint internalFormat) {
    switch (internalFormat) {
    case 1:
    case GL_LUMINANCE:
    case GL_LUMINANCE8:
        return TexelKind::Luminance;
    case 2:
    case GL_LUMINANCE_ALPHA:
    case GL_LUMINANCE8_ALPHA8:
        return TexelKind::LuminanceAlpha;
    case 3:
    case GL_RGB:
    case GL_RGB8:
        return TexelKind::Rgb;
    case 4:
    case GL_RGBA:
    case GL_RGBA8:
        return TexelKind::Rgba;
    case GL_ALPHA:
    case GL_ALPHA8:
        return TexelKind::Alpha;
    default:
        return TexelKind::None;
    }
}

int BytesPerTexel(TexelKind kind) {
    switch (kind) {
    case TexelKind::Alpha:
    case TexelKind::Luminance:
        return 1;
    case TexelKind::LuminanceAlpha:
        return 2;
    case TexelKind::Rgb:
        return 3;
    case TexelKind::Rgba:
        return 4;
    default:
        return 0;
    }
}

PixelLayout LayoutOf(const PixelStore& store, int width, int bytesPerPixel) {
    const std::size_t n = static_cast<std::size_t>(bytesPerPixel);
    const std::size_t l = static_cast<std::size_t>(store.rowLength > 0 ? store.rowLength : width);
    const std::size_t a = static_cast<std::size_t>(store.alignment);
    // Rows start on multiples of the alignment.
    const std::size_t stride = (n * l + a - 1) / a * a;
    return {static_cast<std::size_t>(store.skipRows) * stride +
                static_cast<std::size_t>(store.skipPixels) * n,
            stride};
}

void UnpackTexels(const void* pixels, const PixelStore& unpack, int width, int height,
                  GLenum format, TexelKind kind, std::vector<std::uint8_t>& texels) {
    const int in = BytesPerPixel(format);
    const int out = BytesPerTexel(kind);
    texels.resize(static_cast<std::size_t>(width) * height * out);
    const PixelLayout layout = LayoutOf(unpack, width, in);
    const auto* base = static_cast<const std::uint8_t*>(pixels) + layout.first;
    std::uint8_t* t = texels.data();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* p = base + y * layout.stride;
        for (int x = 0; x < width; ++x, p += in, t += out) {
            std::uint8_t rgba[4];
            ToRgba(p, format, rgba);
            switch (kind) {
            case TexelKind::Alpha:
                t[0] = rgba[3];
                break;
            case TexelKind::Luminance:
                t[0] = rgba[0];
                break;
            case TexelKind::LuminanceAlpha:
                t[0] = rgba[0], t[1] = rgba[3];
                break;
            default:
                std::copy(rgba, rgba + out, t);
                break;
            }
        }
    }
}

void PackPixels(const std::uint8_t* rgba, int width, int height, GLenum format,
                const PixelStore& pack, void* pixels) {
    const int n = BytesPerPixel(format);
    const PixelLayout layout = LayoutOf(pack, width, n);
    auto* base = static_cast<std::uint8_t*>(pixels) + layout.first;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = base + y * layout.stride;
        for (int x = 0; x < width; ++x, p += n, rgba += 4)
            FromRgba(rgba, format, p);
    }
}

} // namespace gl11
