// Mipmapped texture creation from an image.
#include "framework/ImageTexture.h"
#include "framework/Image.h"
#include "framework/ImageExtra.h"

#include "platform/Win32.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

// Constant-initialised: asked at most once per process, in whatever context is current.
bool bgraUntested = true;
bool bgraAnswer = false;

struct Upload {
    GLint internalFormat;
    GLenum format;
};

bool UploadOf(PixelFormat f, Upload& u) {
    switch (f) {
    case PixelFormat::RGB:
        u = {3, GL_RGB};
        return true;
    case PixelFormat::RGBA:
        u = {4, GL_RGBA};
        return true;
    case PixelFormat::BGR:
        u = {3, 0x80E0}; // GL_BGR_EXT
        return true;
    case PixelFormat::BGRA:
        u = {4, 0x80E1}; // GL_BGRA_EXT
        return true;
    case PixelFormat::LUMINANCE:
        u = {1, GL_LUMINANCE};
        return true;
    case PixelFormat::LUMINANCE_ALPHA:
        u = {2, GL_LUMINANCE_ALPHA};
        return true;
    case PixelFormat::ALPHA:
        u = {GL_ALPHA, GL_ALPHA};
        return true;
    }
    return false;
}

// The unpacking state, saved and put back around the upload; only what differs from the
// upload's needs is touched.
class UnpackState {
  public:
    UnpackState() {
        for (int i = 0; i < kCount; ++i) {
            glGetIntegerv(kNames[i], &saved[i]);
            changed[i] = saved[i] != kWanted[i];
            if (changed[i])
                glPixelStorei(kNames[i], kWanted[i]);
        }
    }
    ~UnpackState() {
        // Swap bytes last.
        for (int i : {1, 2, 3, 4, 0})
            if (changed[i])
                glPixelStorei(kNames[i], saved[i]);
    }

  private:
    static constexpr int kCount = 5;
    static constexpr GLenum kNames[kCount] = {GL_UNPACK_SWAP_BYTES, GL_UNPACK_ROW_LENGTH,
                                              GL_UNPACK_SKIP_PIXELS, GL_UNPACK_SKIP_ROWS,
                                              GL_UNPACK_ALIGNMENT};
    static constexpr GLint kWanted[kCount] = {0, 0, 0, 0, 1};
    GLint saved[kCount] = {};
    bool changed[kCount] = {};
};

} // namespace

bool BgraFromStrings(const char* extensions, const char* version) {
    if (extensions && std::strstr(extensions, "GL_EXT_bgra"))
        return true;
    float v = 0;
    return version && std::sscanf(version, "%f", &v) == 1 && v >= 1.2;
}

void SetBgraSupported(bool supported) {
    bgraAnswer = supported;
    bgraUntested = false;
}

bool BgraSupported() {
    if (bgraUntested)
        SetBgraSupported(BgraFromStrings(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)),
                                         reinterpret_cast<const char*>(glGetString(GL_VERSION))));
    return bgraAnswer;
}

int Image::BuildTexture() const {
    if (!extra->pixels || extra->height <= 0)
        return GLU_INVALID_VALUE;
    const bool bgra = BgraSupported();
    Image work;
    const ImageExtra* upload = extra;
    if (extra->stride != extra->rowBytes || !bgra) {
        // One unpadded copy, turned to red-green-blue order when OpenGL cannot take the other.
        // Its rows are as long as the format says, even if the record was given another format.
        if (!work.extra->Allocate(extra->width, extra->height, extra->format, 0))
            return GLU_INVALID_VALUE;
        for (int i = 0; i < extra->height; ++i)
            std::memcpy(work.Row(i), Row(i), static_cast<size_t>(work.extra->rowBytes));
        if (!bgra && work.extra->format == PixelFormat::BGR && !work.ConvertTo(PixelFormat::RGB))
            return GLU_INVALID_VALUE;
        if (!bgra && work.extra->format == PixelFormat::BGRA && !work.ConvertTo(PixelFormat::RGBA))
            return GLU_INVALID_VALUE;
        upload = work.extra;
        if (!upload->pixels)
            return GLU_INVALID_VALUE;
    }
    const UnpackState unpack;
    Upload u;
    if (!UploadOf(upload->format, u))
        return GLU_INVALID_VALUE;
    return gluBuild2DMipmaps(GL_TEXTURE_2D, u.internalFormat, upload->width, upload->height,
                             u.format, GL_UNSIGNED_BYTE, upload->pixels);
}
