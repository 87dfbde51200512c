// Texture images: checked as OpenGL 1.1 checks them, converted on the CPU to the formats
// OpenGL ES takes (which has neither BGR nor the pixel storage modes OpenGL 1.1 has), and
// uploaded to the bound texture's OpenGL ES texture.
#include "gl11/Textures.h"

namespace gl11 {

namespace {
constexpr GLint kFirstSizedFormat = 0x803B; // GL_ALPHA4
constexpr GLint kLastSizedFormat = 0x805B;  // GL_RGBA16

bool PowerOfTwo(GLsizei n) {
    return n >= 0 && (n & (n - 1)) == 0;
}

int LevelLimit(GLint maxSize) {
    int levels = 0;
    while ((maxSize >> levels) > 1)
        ++levels;
    return levels;
}

// GL_NO_ERROR when the layer takes the image; otherwise the error, having said so when the
// call is valid OpenGL 1.1 that the layer does not implement.
GLenum CheckImage(Context& c, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type) {
    if (level < 0 || level > LevelLimit(c.maxTextureSize) || width < 0 || height < 0 ||
        width > c.maxTextureSize || height > c.maxTextureSize || (border != 0 && border != 1))
        return GL_INVALID_VALUE;
    if (KindOfInternalFormat(internalFormat) == TexelKind::None) {
        if (internalFormat >= kFirstSizedFormat && internalFormat <= kLastSizedFormat) {
            Unsupported(&c, "glTexImage2D with this internal format");
            return GL_INVALID_ENUM;
        }
        return GL_INVALID_VALUE;
    }
    if (BytesPerPixel(format) == 0) {
        if (format == GL_RED || format == GL_GREEN || format == GL_BLUE ||
            format == GL_COLOR_INDEX) {
            Unsupported(&c, "glTexImage2D with this format");
            return GL_INVALID_ENUM;
        }
        return GL_INVALID_ENUM;
    }
    if (type != GL_UNSIGNED_BYTE) {
        const bool valid = type == GL_BYTE || type == GL_SHORT || type == GL_UNSIGNED_SHORT ||
                           type == GL_INT || type == GL_UNSIGNED_INT || type == GL_FLOAT ||
                           type == GL_BITMAP;
        if (valid)
            Unsupported(&c, "glTexImage2D with a type other than GL_UNSIGNED_BYTE");
        return GL_INVALID_ENUM;
    }
    if (border == 1) {
        Unsupported(&c, "glTexImage2D with a border");
        return GL_INVALID_VALUE;
    }
    if (!PowerOfTwo(width) || !PowerOfTwo(height))
        return GL_INVALID_VALUE;
    return GL_NO_ERROR;
}

void EsFormat(TexelKind kind, GLint& internalFormat, GLenum& format) {
    switch (kind) {
    case TexelKind::Alpha:
        internalFormat = GL_ALPHA, format = GL_ALPHA;
        break;
    case TexelKind::Luminance:
        internalFormat = GL_LUMINANCE, format = GL_LUMINANCE;
        break;
    case TexelKind::LuminanceAlpha:
        internalFormat = GL_LUMINANCE_ALPHA, format = GL_LUMINANCE_ALPHA;
        break;
    case TexelKind::Rgb:
        internalFormat = GL_RGB8, format = GL_RGB;
        break;
    default:
        internalFormat = GL_RGBA8, format = GL_RGBA;
        break;
    }
}
} // namespace

void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const GLvoid* pixels) {
    Context* c = Usable();
    if (!c)
        return;
    if (target != GL_TEXTURE_2D && target != GL_PROXY_TEXTURE_2D) {
        if (target == GL_TEXTURE_1D || target == GL_PROXY_TEXTURE_1D)
            Unsupported(c, "glTexImage1D targets");
        else
            SetError(*c, GL_INVALID_ENUM);
        return;
    }
    EnsureEs(*c);
    const GLenum error = CheckImage(*c, level, internalFormat, width, height, border, format, type);
    const TexelKind kind = KindOfInternalFormat(internalFormat);
    if (target == GL_PROXY_TEXTURE_2D) {
        // A proxy answers whether the image would fit: its sizes, or zeros when it would not.
        c->proxy = TextureLevel();
        if (error == GL_NO_ERROR)
            c->proxy = {width, height, kind, internalFormat};
        return;
    }
    if (error != GL_NO_ERROR) {
        SetError(*c, error);
        return;
    }
    StateChanging(*c);
    TextureLevel& l = c->textures[c->boundTexture].levels[level];
    l = {width, height, width && height ? kind : TexelKind::None, internalFormat};
    std::vector<std::uint8_t> texels;
    if (pixels && width && height)
        UnpackTexels(pixels, c->unpack, width, height, format, kind, texels);
    GLint esInternal;
    GLenum esFormat;
    EsFormat(kind, esInternal, esFormat);
    BindEsTexture(*c, c->boundTexture);
    c->es.TexImage2D(GL_TEXTURE_2D, level, esInternal, width, height, 0, esFormat, GL_UNSIGNED_BYTE,
                     texels.empty() ? nullptr : texels.data());
}

void glGetTexLevelParameteriv(GLenum target, GLint level, GLenum pname, GLint* params) {
    Context* c = Usable();
    if (!c)
        return;
    if ((target != GL_TEXTURE_2D && target != GL_PROXY_TEXTURE_2D) || level < 0 ||
        level >= kMaxTextureLevels) {
        SetError(*c, target == GL_TEXTURE_2D || target == GL_PROXY_TEXTURE_2D ? GL_INVALID_VALUE
                                                                              : GL_INVALID_ENUM);
        return;
    }
    const TextureLevel& l =
        target == GL_PROXY_TEXTURE_2D ? c->proxy : c->textures[c->boundTexture].levels[level];
    switch (pname) {
    case GL_TEXTURE_WIDTH:
        *params = l.width;
        break;
    case GL_TEXTURE_HEIGHT:
        *params = l.height;
        break;
    case GL_TEXTURE_COMPONENTS:
        // An image never given reports the default internal format, 1.
        *params = l.internalFormat ? l.internalFormat : 1;
        break;
    case GL_TEXTURE_BORDER:
        *params = 0;
        break;
    default:
        SetError(*c, GL_INVALID_ENUM);
        break;
    }
}

} // namespace gl11
