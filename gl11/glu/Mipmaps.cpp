// gluBuild2DMipmaps: the picture read as OpenGL's unpacking state says, scaled to powers of
// two, then every level down to 1 x 1 uploaded.
#include "gl11/glu/GluGl.h"
#include "gl11/glu/Pixels.h"
#include "gl11/glu/Quadric.h"

#include <cstring>

namespace gl11 {

namespace {

int ComponentsOf(GLenum format) {
    switch (format) {
    case GL_RGB:
    case 0x80E0: // GL_BGR
        return 3;
    case GL_RGBA:
    case 0x80E1: // GL_BGRA
        return 4;
    case GL_LUMINANCE:
    case GL_ALPHA:
        return 1;
    case GL_LUMINANCE_ALPHA:
        return 2;
    default:
        return 0;
    }
}

// The power of two nearest to size; halfway between two, the larger.
int NearestPowerOfTwo(int size) {
    int power = 1;
    while (power * 2 <= size)
        power *= 2;
    return size - power >= power / 2 && power / 2 > 0 ? power * 2 : power;
}

// The unpacking state the caller set, kept while the levels go up unpadded, and put back.
class UnpackState {
  public:
    UnpackState() {
        for (int i = 0; i < kCount; ++i)
            glGetIntegerv(kNames[i], &saved[i]);
    }
    ~UnpackState() {
        for (int i = 0; i < kCount; ++i)
            glPixelStorei(kNames[i], saved[i]);
    }
    UnpackState(const UnpackState&) = delete;
    UnpackState& operator=(const UnpackState&) = delete;

    GLint Alignment() const { return saved[0]; }
    GLint RowLength() const { return saved[1]; }
    GLint SkipPixels() const { return saved[2]; }
    GLint SkipRows() const { return saved[3]; }

    void Tight() const {
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        for (int i = 1; i < kCount; ++i)
            glPixelStorei(kNames[i], 0);
    }

  private:
    static constexpr int kCount = 4;
    static constexpr GLenum kNames[kCount] = {GL_UNPACK_ALIGNMENT, GL_UNPACK_ROW_LENGTH,
                                              GL_UNPACK_SKIP_PIXELS, GL_UNPACK_SKIP_ROWS};
    GLint saved[kCount] = {};
};

// The caller's picture, copied out of its rows as the unpacking state lays them out.
Pixels Unpacked(const void* data, int width, int height, int components,
                const UnpackState& unpack) {
    Pixels p{width, height, components, {}};
    p.bytes.resize(static_cast<std::size_t>(width) * height * components);
    const size_t rowPixels = unpack.RowLength() > 0 ? unpack.RowLength() : width;
    const size_t alignment = unpack.Alignment() > 0 ? unpack.Alignment() : 1;
    const size_t stride = (rowPixels * components + alignment - 1) / alignment * alignment;
    const unsigned char* first = static_cast<const unsigned char*>(data) +
                                 unpack.SkipRows() * stride +
                                 static_cast<std::size_t>(unpack.SkipPixels()) * components;
    for (int y = 0; y < height; ++y)
        std::memcpy(p.Row(y), first + y * stride, static_cast<std::size_t>(width) * components);
    return p;
}

} // namespace

GLint gluBuild2DMipmaps(GLenum target, GLint internalFormat, GLsizei width, GLsizei height,
                        GLenum format, GLenum type, const void* data) {
    if (width < 1 || height < 1)
        return GLU_INVALID_VALUE;
    const int components = ComponentsOf(format);
    if (components == 0)
        return GLU_INVALID_ENUM;
    if (type != GL_UNSIGNED_BYTE) {
        ReportUnsupported("gluBuild2DMipmaps (pixel types other than GL_UNSIGNED_BYTE)");
        return GLU_INVALID_ENUM;
    }
    int levelWidth = NearestPowerOfTwo(width);
    int levelHeight = NearestPowerOfTwo(height);
    // Halved until OpenGL takes the level below the first (the system's GLU asks about that
    // one, not the first itself). Refused even at one pixel, nothing is uploaded, and unlike
    // the system's GLU, which then answers success, the caller is told.
    for (;;) {
        const int halfWidth = levelWidth > 1 ? levelWidth / 2 : 1;
        const int halfHeight = levelHeight > 1 ? levelHeight / 2 : 1;
        glTexImage2D(GL_PROXY_TEXTURE_2D, 1, internalFormat, halfWidth, halfHeight, 0, format, type,
                     nullptr);
        GLint taken = 0;
        glGetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &taken);
        if (taken != 0)
            break;
        if (levelWidth == 1 && levelHeight == 1)
            return GLU_OUT_OF_MEMORY;
        levelWidth = halfWidth;
        levelHeight = halfHeight;
    }
    const UnpackState unpack;
    Pixels level = Unpacked(data, width, height, components, unpack);
    if (levelWidth != width || levelHeight != height)
        level = Scaled(level, levelWidth, levelHeight);
    unpack.Tight();
    for (GLint number = 0;; ++number) {
        glTexImage2D(target, number, internalFormat, level.width, level.height, 0, format, type,
                     level.bytes.data());
        if (level.width == 1 && level.height == 1)
            break;
        level = Halved(level);
    }
    return 0;
}

} // namespace gl11
