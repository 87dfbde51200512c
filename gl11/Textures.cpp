// Texture objects, their parameters and the texture environment.
#include "gl11/Textures.h"

#include <algorithm>

namespace gl11 {

namespace {
bool Mipmapped(GLenum minFilter) {
    return minFilter != GL_NEAREST && minFilter != GL_LINEAR;
}

bool ValidFilter(GLenum pname, GLint value) {
    if (value == GL_NEAREST || value == GL_LINEAR)
        return true;
    return pname == GL_TEXTURE_MIN_FILTER &&
           (value == GL_NEAREST_MIPMAP_NEAREST || value == GL_LINEAR_MIPMAP_NEAREST ||
            value == GL_NEAREST_MIPMAP_LINEAR || value == GL_LINEAR_MIPMAP_LINEAR);
}

// The bound 2D texture for a call naming target; null, recording the error, for a target the
// layer does not take.
Texture* TargetTexture(Context& c, GLenum target, const char* call) {
    if (target == GL_TEXTURE_2D)
        return &c.textures[c.boundTexture];
    if (target == GL_TEXTURE_1D)
        Unsupported(&c, call);
    else
        SetError(c, GL_INVALID_ENUM);
    return nullptr;
}
// Where a texture keeps a parameter; null for one it does not keep.
GLenum* ParameterSlot(Texture& t, GLenum pname) {
    switch (pname) {
    case GL_TEXTURE_MIN_FILTER:
        return &t.minFilter;
    case GL_TEXTURE_MAG_FILTER:
        return &t.magFilter;
    case GL_TEXTURE_WRAP_S:
        return &t.wrapS;
    case GL_TEXTURE_WRAP_T:
        return &t.wrapT;
    default:
        return nullptr;
    }
}
} // namespace

TexelKind BoundCompleteTexture(const Context& c) {
    if (!c.texture2D)
        return TexelKind::None;
    const auto found = c.textures.find(c.boundTexture);
    if (found == c.textures.end())
        return TexelKind::None;
    const Texture& t = found->second;
    const TextureLevel& base = t.levels[0];
    if (base.kind == TexelKind::None)
        return TexelKind::None;
    if (!Mipmapped(t.minFilter))
        return base.kind;
    int width = base.width, height = base.height;
    for (int level = 1; width > 1 || height > 1; ++level) {
        width = std::max(1, width / 2);
        height = std::max(1, height / 2);
        const TextureLevel& l = t.levels[level];
        if (l.width != width || l.height != height || l.internalFormat != base.internalFormat)
            return TexelKind::None;
    }
    return base.kind;
}

void BindEsTexture(Context& c, GLuint name) {
    EnsureEs(c);
    Texture& t = c.textures[name];
    if (!t.es)
        c.es.GenTextures(1, &t.es);
    if (c.esTexture != t.es) {
        c.es.BindTexture(GL_TEXTURE_2D, t.es);
        c.esTexture = t.es;
    }
}

void glGenTextures(GLsizei n, GLuint* textures) {
    Context* c = Usable();
    if (!c)
        return;
    if (n < 0) {
        SetError(*c, GL_INVALID_VALUE);
        return;
    }
    // New names follow the highest in use, as the system's OpenGL hands them out.
    GLuint highest = 0;
    for (const auto& entry : c->textures)
        highest = std::max(highest, entry.first);
    for (GLsizei i = 0; i < n; ++i) {
        textures[i] = highest + 1 + static_cast<GLuint>(i);
        c->textures[textures[i]];
    }
}

void glDeleteTextures(GLsizei n, const GLuint* textures) {
    Context* c = Usable();
    if (!c)
        return;
    if (n < 0) {
        SetError(*c, GL_INVALID_VALUE);
        return;
    }
    for (GLsizei i = 0; i < n; ++i) {
        const auto found = c->textures.find(textures[i]);
        if (textures[i] == 0 || found == c->textures.end())
            continue;
        StateChanging(*c);
        if (found->second.es) {
            if (c->esTexture == found->second.es)
                c->esTexture = 0;
            c->es.DeleteTextures(1, &found->second.es);
        }
        c->textures.erase(found);
        // A bound texture that goes leaves the default texture bound.
        if (c->boundTexture == textures[i])
            c->boundTexture = 0;
    }
}

GLboolean glIsTexture(GLuint texture) {
    Context* c = Current();
    if (!c || !OutsideBegin(*c) || texture == 0)
        return GL_FALSE;
    return c->textures.count(texture) ? GL_TRUE : GL_FALSE;
}

void glBindTexture(GLenum target, GLuint texture) {
    Context* c = Usable();
    if (!c)
        return;
    if (target != GL_TEXTURE_2D) {
        if (target == GL_TEXTURE_1D)
            Unsupported(c, "glBindTexture(GL_TEXTURE_1D)");
        else
            SetError(*c, GL_INVALID_ENUM);
        return;
    }
    if (c->boundTexture == texture)
        return;
    StateChanging(*c);
    c->boundTexture = texture;
    c->textures[texture];
}

void glTexParameteri(GLenum target, GLenum pname, GLint param) {
    Context* c = Usable();
    if (!c)
        return;
    Texture* t = TargetTexture(*c, target, "glTexParameter(GL_TEXTURE_1D)");
    if (!t)
        return;
    if (pname == GL_TEXTURE_BORDER_COLOR)
        return Unsupported(c, "glTexParameter(GL_TEXTURE_BORDER_COLOR)");
    // Clamping with a border colour has no counterpart in OpenGL ES 3.0.
    const bool wrap = pname == GL_TEXTURE_WRAP_S || pname == GL_TEXTURE_WRAP_T;
    if (wrap && param == GL_CLAMP)
        return Unsupported(c, "glTexParameter(GL_TEXTURE_WRAP, GL_CLAMP)");
    GLenum* slot = ParameterSlot(*t, pname);
    if (!slot || (wrap ? param != GL_REPEAT : !ValidFilter(pname, param)))
        return SetError(*c, GL_INVALID_ENUM);
    if (*slot == static_cast<GLenum>(param))
        return;
    StateChanging(*c);
    *slot = static_cast<GLenum>(param);
    BindEsTexture(*c, c->boundTexture);
    c->es.TexParameteri(GL_TEXTURE_2D, pname, param);
}

void glTexParameterf(GLenum target, GLenum pname, GLfloat param) {
    glTexParameteri(target, pname, static_cast<GLint>(param));
}

void glGetTexParameteriv(GLenum target, GLenum pname, GLint* params) {
    Context* c = Usable();
    if (!c)
        return;
    Texture* t = TargetTexture(*c, target, "glGetTexParameteriv(GL_TEXTURE_1D)");
    if (!t)
        return;
    if (const GLenum* slot = ParameterSlot(*t, pname))
        *params = static_cast<GLint>(*slot);
    else
        SetError(*c, GL_INVALID_ENUM);
}

void glTexEnvi(GLenum target, GLenum pname, GLint param) {
    Context* c = Usable();
    if (!c)
        return;
    if (target != GL_TEXTURE_ENV || pname != GL_TEXTURE_ENV_MODE) {
        if (target == GL_TEXTURE_ENV && pname == GL_TEXTURE_ENV_COLOR)
            Unsupported(c, "glTexEnv(GL_TEXTURE_ENV_COLOR)");
        else
            SetError(*c, GL_INVALID_ENUM);
        return;
    }
    if (param == GL_BLEND) {
        Unsupported(c, "glTexEnv(GL_TEXTURE_ENV_MODE, GL_BLEND)");
        return;
    }
    if (param != GL_MODULATE && param != GL_REPLACE && param != GL_DECAL) {
        SetError(*c, GL_INVALID_ENUM);
        return;
    }
    if (c->textureEnvMode == static_cast<GLenum>(param))
        return;
    StateChanging(*c);
    c->textureEnvMode = static_cast<GLenum>(param);
}

void glTexEnvf(GLenum target, GLenum pname, GLfloat param) {
    glTexEnvi(target, pname, static_cast<GLint>(param));
}

void glGetTexEnviv(GLenum target, GLenum pname, GLint* params) {
    Context* c = Usable();
    if (!c)
        return;
    if (target != GL_TEXTURE_ENV || pname != GL_TEXTURE_ENV_MODE) {
        SetError(*c, GL_INVALID_ENUM);
        return;
    }
    *params = static_cast<GLint>(c->textureEnvMode);
}

} // namespace gl11
