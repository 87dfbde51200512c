// Vertex arrays: glDrawArrays is glBegin, glArrayElement for each index, glEnd, as OpenGL 1.1
// defines it, so arrays are gathered and batched like immediate mode. The client attribute
// stack saves them and the pixel storage modes.
#include "gl11/Context.h"

#include <climits>
#include <cstring>

namespace gl11 {

namespace {
int TypeSize(GLenum type) {
    switch (type) {
    case GL_UNSIGNED_BYTE:
        return 1;
    case GL_FLOAT:
        return 4;
    case GL_DOUBLE:
        return 8;
    default:
        return 0;
    }
}

// Component i of element `index` of an array, as a float (unsigned bytes as 0 to 1).
float Component(const ClientArray& a, GLint index, int i) {
    const int size = TypeSize(a.type);
    const GLsizei stride = a.stride ? a.stride : a.size * size;
    const auto* p = static_cast<const unsigned char*>(a.pointer) +
                    static_cast<std::ptrdiff_t>(index) * stride + i * size;
    switch (a.type) {
    case GL_UNSIGNED_BYTE:
        return static_cast<float>(*p) / 255.0f;
    case GL_DOUBLE: {
        double d;
        std::memcpy(&d, p, sizeof d);
        return static_cast<float>(d);
    }
    default: {
        float f;
        std::memcpy(&f, p, sizeof f);
        return f;
    }
    }
}

void SetPointer(ClientArray& a, GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    a.size = size;
    a.type = type;
    a.stride = stride;
    a.pointer = pointer;
}

// Checks a pointer call: false, having recorded or said why, when the layer will not take it.
bool Accept(Context& c, bool sizeOk, bool typeOk, bool validType, GLsizei stride,
            const char* call) {
    if (!OutsideBegin(c))
        return false;
    if (stride < 0) {
        SetError(c, GL_INVALID_VALUE);
        return false;
    }
    if (!typeOk) {
        if (validType)
            Unsupported(&c, call);
        else
            SetError(c, GL_INVALID_ENUM);
        return false;
    }
    if (!sizeOk) {
        Unsupported(&c, call);
        return false;
    }
    return true;
}

bool ValidArrayType(GLenum type) {
    return type == GL_BYTE || type == GL_UNSIGNED_BYTE || type == GL_SHORT ||
           type == GL_UNSIGNED_SHORT || type == GL_INT || type == GL_UNSIGNED_INT ||
           type == GL_FLOAT || type == GL_DOUBLE;
}

bool FloatType(GLenum type) {
    return type == GL_FLOAT || type == GL_DOUBLE;
}
} // namespace

void glVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    Context* c = Current();
    if (c && Accept(*c, size == 2 || size == 3, FloatType(type), ValidArrayType(type), stride,
                    "glVertexPointer other than 2 or 3 floats or doubles"))
        SetPointer(c->arrays.vertex, size, type, stride, pointer);
}

void glNormalPointer(GLenum type, GLsizei stride, const GLvoid* pointer) {
    Context* c = Current();
    if (c && Accept(*c, true, FloatType(type), ValidArrayType(type), stride,
                    "glNormalPointer other than floats or doubles"))
        SetPointer(c->arrays.normal, 3, type, stride, pointer);
}

void glColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    Context* c = Current();
    if (c && Accept(*c, size == 3 || size == 4, FloatType(type) || type == GL_UNSIGNED_BYTE,
                    ValidArrayType(type), stride,
                    "glColorPointer other than 3 or 4 floats, doubles or unsigned bytes"))
        SetPointer(c->arrays.colour, size, type, stride, pointer);
}

void glTexCoordPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    Context* c = Current();
    if (c && Accept(*c, size == 1 || size == 2, FloatType(type), ValidArrayType(type), stride,
                    "glTexCoordPointer other than 1 or 2 floats or doubles"))
        SetPointer(c->arrays.texCoord, size, type, stride, pointer);
}

void glArrayElement(GLint i) {
    Context* c = Current();
    if (!c)
        return;
    const ClientArrays& a = c->arrays;
    if (a.colour.enabled)
        glColor4f(Component(a.colour, i, 0), Component(a.colour, i, 1), Component(a.colour, i, 2),
                  a.colour.size == 4 ? Component(a.colour, i, 3) : 1.0f);
    if (a.normal.enabled)
        glNormal3f(Component(a.normal, i, 0), Component(a.normal, i, 1), Component(a.normal, i, 2));
    if (a.texCoord.enabled)
        glTexCoord2f(Component(a.texCoord, i, 0),
                     a.texCoord.size == 2 ? Component(a.texCoord, i, 1) : 0.0f);
    if (a.vertex.enabled)
        glVertex3f(Component(a.vertex, i, 0), Component(a.vertex, i, 1),
                   a.vertex.size == 3 ? Component(a.vertex, i, 2) : 0.0f);
}

void glDrawArrays(GLenum mode, GLint first, GLsizei count) {
    Context* c = Usable();
    if (!c)
        return;
    if (mode > GL_POLYGON)
        return SetError(*c, GL_INVALID_ENUM);
    if (count < 0 || first < 0 || count > INT_MAX - first)
        return SetError(*c, GL_INVALID_VALUE);
    if (!c->arrays.vertex.enabled)
        return;
    glBegin(mode);
    for (GLsizei i = 0; i < count; ++i)
        glArrayElement(first + i);
    glEnd();
}

void glPushClientAttrib(GLbitfield mask) {
    Context* c = Usable();
    if (!c)
        return;
    if (static_cast<int>(c->clientAttribs.size()) >= kClientAttribStackDepth)
        return SetError(*c, GL_STACK_OVERFLOW);
    c->clientAttribs.push_back({mask, c->arrays, c->unpack, c->pack});
}

void glPopClientAttrib() {
    Context* c = Usable();
    if (!c)
        return;
    if (c->clientAttribs.empty())
        return SetError(*c, GL_STACK_UNDERFLOW);
    const ClientAttribs& saved = c->clientAttribs.back();
    if (saved.mask & GL_CLIENT_VERTEX_ARRAY_BIT)
        c->arrays = saved.arrays;
    if (saved.mask & GL_CLIENT_PIXEL_STORE_BIT) {
        c->unpack = saved.unpack;
        c->pack = saved.pack;
    }
    c->clientAttribs.pop_back();
}

void glGetPointerv(GLenum pname, GLvoid** params) {
    Context* c = Usable();
    if (!c)
        return;
    const ClientArray* a = nullptr;
    switch (pname) {
    case GL_VERTEX_ARRAY_POINTER:
        a = &c->arrays.vertex;
        break;
    case GL_NORMAL_ARRAY_POINTER:
        a = &c->arrays.normal;
        break;
    case GL_COLOR_ARRAY_POINTER:
        a = &c->arrays.colour;
        break;
    case GL_TEXTURE_COORD_ARRAY_POINTER:
        a = &c->arrays.texCoord;
        break;
    default:
        return SetError(*c, GL_INVALID_ENUM);
    }
    *params = const_cast<GLvoid*>(a->pointer);
}

} // namespace gl11
