// Pixel storage modes, kept by the layer (it converts every rectangle itself), and reading the
// framebuffer back.
#include "gl11/Context.h"

namespace gl11 {

namespace {
GLint* StoreField(Context& c, GLenum pname) {
    PixelStore& u = c.unpack;
    PixelStore& p = c.pack;
    switch (pname) {
    case GL_UNPACK_SWAP_BYTES:
        return &u.swapBytes;
    case GL_UNPACK_LSB_FIRST:
        return &u.lsbFirst;
    case GL_UNPACK_ROW_LENGTH:
        return &u.rowLength;
    case GL_UNPACK_SKIP_ROWS:
        return &u.skipRows;
    case GL_UNPACK_SKIP_PIXELS:
        return &u.skipPixels;
    case GL_UNPACK_ALIGNMENT:
        return &u.alignment;
    case GL_PACK_SWAP_BYTES:
        return &p.swapBytes;
    case GL_PACK_LSB_FIRST:
        return &p.lsbFirst;
    case GL_PACK_ROW_LENGTH:
        return &p.rowLength;
    case GL_PACK_SKIP_ROWS:
        return &p.skipRows;
    case GL_PACK_SKIP_PIXELS:
        return &p.skipPixels;
    case GL_PACK_ALIGNMENT:
        return &p.alignment;
    default:
        return nullptr;
    }
}
} // namespace

bool PixelStoreValue(Context& c, GLenum pname, GLint* value) {
    const GLint* field = StoreField(c, pname);
    if (!field)
        return false;
    *value = *field;
    return true;
}

void glPixelStorei(GLenum pname, GLint param) {
    Context* c = Usable();
    if (!c)
        return;
    GLint* field = StoreField(*c, pname);
    if (!field)
        return SetError(*c, GL_INVALID_ENUM);
    const bool alignment = pname == GL_UNPACK_ALIGNMENT || pname == GL_PACK_ALIGNMENT;
    const bool flag = pname == GL_UNPACK_SWAP_BYTES || pname == GL_UNPACK_LSB_FIRST ||
                      pname == GL_PACK_SWAP_BYTES || pname == GL_PACK_LSB_FIRST;
    if (alignment && param != 1 && param != 2 && param != 4 && param != 8)
        return SetError(*c, GL_INVALID_VALUE);
    if (!alignment && !flag && param < 0)
        return SetError(*c, GL_INVALID_VALUE);
    *field = flag ? param != 0 : param;
}

void glReadBuffer(GLenum mode) {
    Context* c = Usable();
    if (!c)
        return;
    // OpenGL ES reads the back buffer of a window only.
    if (mode != GL_BACK)
        Unsupported(c, "glReadBuffer other than GL_BACK");
}

void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                  GLvoid* pixels) {
    Context* c = Usable();
    if (!c)
        return;
    if (width < 0 || height < 0)
        return SetError(*c, GL_INVALID_VALUE);
    if (BytesPerPixel(format) == 0) {
        const bool valid = format == GL_RED || format == GL_GREEN || format == GL_BLUE ||
                           format == GL_COLOR_INDEX || format == GL_STENCIL_INDEX ||
                           format == GL_DEPTH_COMPONENT;
        if (valid)
            return Unsupported(c, "glReadPixels of this format");
        return SetError(*c, GL_INVALID_ENUM);
    }
    if (type != GL_UNSIGNED_BYTE)
        return Unsupported(c, "glReadPixels of a type other than GL_UNSIGNED_BYTE");
    FlushPending();
    EnsureEs(*c);
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
    if (rgba.empty())
        return;
    c->es.ReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    PackPixels(rgba.data(), width, height, format, c->pack, pixels);
}

} // namespace gl11
