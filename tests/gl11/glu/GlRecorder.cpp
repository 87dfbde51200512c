#include "tests/gl11/glu/GlRecorder.h"

#include <GL/gl.h>

#include <cstdarg>
#include <cstdio>
#include <map>

namespace recorder {

namespace {
int maxTexture = 1024;
std::map<GLenum, GLint> unpack;
GLint proxyWidth = 0;

void Add(const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    Calls().push_back(line);
}

// The bytes of an image as the recorded unpacking state lays them out, one hexadecimal digest
// of the pixels in row order: a picture that differs anywhere gives another line.
std::string Digest(GLsizei width, GLsizei height, GLenum format, const void* data) {
    int components = 4;
    switch (format) {
    case GL_RGB:
    case 0x80E0:
        components = 3;
        break;
    case GL_LUMINANCE:
    case GL_ALPHA:
        components = 1;
        break;
    case GL_LUMINANCE_ALPHA:
        components = 2;
        break;
    }
    const long rowPixels = unpack[GL_UNPACK_ROW_LENGTH] > 0 ? unpack[GL_UNPACK_ROW_LENGTH] : width;
    const long alignment = unpack[GL_UNPACK_ALIGNMENT];
    const long stride = (rowPixels * components + alignment - 1) / alignment * alignment;
    const auto* first = static_cast<const unsigned char*>(data) +
                        unpack[GL_UNPACK_SKIP_ROWS] * stride +
                        unpack[GL_UNPACK_SKIP_PIXELS] * components;
    std::uint64_t hash = 1469598103934665603ull;
    for (long y = 0; y < height; ++y)
        for (long i = 0; i < width * components; ++i)
            hash = (hash ^ first[y * stride + i]) * 1099511628211ull;
    char text[32];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}
} // namespace

std::vector<std::string>& Calls() {
    static std::vector<std::string> calls;
    return calls;
}

void Reset(int maxTextureSize) {
    Calls().clear();
    maxTexture = maxTextureSize;
    // Both the packing and unpacking states: a GLU may read and set either.
    unpack = {{GL_UNPACK_SWAP_BYTES, 0}, {GL_UNPACK_LSB_FIRST, 0},   {GL_UNPACK_ROW_LENGTH, 0},
              {GL_UNPACK_SKIP_ROWS, 0},  {GL_UNPACK_SKIP_PIXELS, 0}, {GL_UNPACK_ALIGNMENT, 4},
              {GL_PACK_SWAP_BYTES, 0},   {GL_PACK_LSB_FIRST, 0},     {GL_PACK_ROW_LENGTH, 0},
              {GL_PACK_SKIP_ROWS, 0},    {GL_PACK_SKIP_PIXELS, 0},   {GL_PACK_ALIGNMENT, 4}};
    proxyWidth = 0;
}

void SetUnpack(unsigned pname, int value) {
    unpack[pname] = value;
}

} // namespace recorder

using recorder::Add;

extern "C" {
void glBegin(GLenum mode) {
    Add("glBegin %#x", mode);
}
void glEnd() {
    Add("glEnd");
}
void glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    Add("glColor3 %a %a %a", r, g, b);
}
void glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    Add("glNormal3 %a %a %a", x, y, z);
}
void glNormal3fv(const GLfloat* v) {
    glNormal3f(v[0], v[1], v[2]);
}
void glTexCoord2f(GLfloat s, GLfloat t) {
    Add("glTexCoord2 %a %a", s, t);
}
void glVertex2f(GLfloat x, GLfloat y) {
    Add("glVertex2 %a %a", x, y);
}
void glVertex2fv(const GLfloat* v) {
    glVertex2f(v[0], v[1]);
}
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    Add("glVertex3 %a %a %a", x, y, z);
}
void glVertex3fv(const GLfloat* v) {
    glVertex3f(v[0], v[1], v[2]);
}
void glMultMatrixd(const GLdouble* m) {
    Add("glMultMatrix %a %a %a %a  %a %a %a %a  %a %a %a %a  %a %a %a %a", m[0], m[1], m[2], m[3],
        m[4], m[5], m[6], m[7], m[8], m[9], m[10], m[11], m[12], m[13], m[14], m[15]);
}
void glMultMatrixf(const GLfloat* m) {
    GLdouble d[16];
    for (int i = 0; i < 16; ++i)
        d[i] = m[i];
    glMultMatrixd(d);
}
void glTranslated(GLdouble x, GLdouble y, GLdouble z) {
    Add("glTranslate %a %a %a", x, y, z);
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    glTranslated(x, y, z);
}
void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    Add("glScale %a %a %a", x, y, z);
}
void glOrtho(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble) {
    Add("glOrtho");
}
void glEnable(GLenum cap) {
    Add("glEnable %#x", cap);
}
void glDisable(GLenum cap) {
    Add("glDisable %#x", cap);
}
void glPolygonMode(GLenum face, GLenum mode) {
    Add("glPolygonMode %#x %#x", face, mode);
}
void glPushAttrib(GLbitfield mask) {
    Add("glPushAttrib %#x", mask);
}
void glPopAttrib() {
    Add("glPopAttrib");
}
void glGetFloatv(GLenum pname, GLfloat*) {
    Add("glGetFloatv %#x", pname);
}
void glGetIntegerv(GLenum pname, GLint* value) {
    // Queries are not written down: which ones a GLU asks, and in what order, does not change
    // what it draws.
    if (pname == GL_MAX_TEXTURE_SIZE)
        *value = recorder::maxTexture;
    else if (recorder::unpack.count(pname))
        *value = recorder::unpack[pname];
    else
        Add("glGetIntegerv %#x", pname);
}
const GLubyte* glGetString(GLenum name) {
    if (name == GL_VERSION)
        return reinterpret_cast<const GLubyte*>("1.1");
    if (name == GL_EXTENSIONS)
        return reinterpret_cast<const GLubyte*>("GL_EXT_bgra");
    return reinterpret_cast<const GLubyte*>("");
}
void glPixelStorei(GLenum pname, GLint value) {
    recorder::unpack[pname] = value;
}
void glGetTexLevelParameteriv(GLenum target, GLint, GLenum pname, GLint* value) {
    if (target == GL_PROXY_TEXTURE_2D && pname == GL_TEXTURE_WIDTH)
        *value = recorder::proxyWidth;
    else
        Add("glGetTexLevelParameteriv %#x %#x", target, pname);
}
void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const void* data) {
    if (target == GL_PROXY_TEXTURE_2D) {
        Add("proxy %d %#x %dx%d %#x", level, internalFormat, width, height, format);
        recorder::proxyWidth =
            width <= recorder::maxTexture && height <= recorder::maxTexture ? width : 0;
        return;
    }
    Add("glTexImage2D %#x %d %#x %dx%d %d %#x %#x %s", target, level, internalFormat, width, height,
        border, format, type, recorder::Digest(width, height, format, data).c_str());
}
void glTexImage1D(GLenum, GLint, GLint, GLsizei, GLint, GLenum, GLenum, const void*) {
    Add("glTexImage1D");
}
void glTexImage3D(GLenum, GLint, GLint, GLsizei, GLsizei, GLsizei, GLint, GLenum, GLenum,
                  const void*) {
    Add("glTexImage3D");
}
// Evaluators: never used by the quadrics, disks, viewing and mipmaps tested.
void glEvalCoord1f(GLfloat) {
    Add("glEvalCoord1f");
}
void glEvalCoord2f(GLfloat, GLfloat) {
    Add("glEvalCoord2f");
}
void glEvalMesh1(GLenum, GLint, GLint) {
    Add("glEvalMesh1");
}
void glEvalMesh2(GLenum, GLint, GLint, GLint, GLint) {
    Add("glEvalMesh2");
}
void glEvalPoint1(GLint) {
    Add("glEvalPoint1");
}
void glEvalPoint2(GLint, GLint) {
    Add("glEvalPoint2");
}
void glMap1f(GLenum, GLfloat, GLfloat, GLint, GLint, const GLfloat*) {
    Add("glMap1f");
}
void glMap2f(GLenum, GLfloat, GLfloat, GLint, GLint, GLfloat, GLfloat, GLint, GLint,
             const GLfloat*) {
    Add("glMap2f");
}
void glMapGrid1f(GLint, GLfloat, GLfloat) {
    Add("glMapGrid1f");
}
void glMapGrid2d(GLint, GLdouble, GLdouble, GLint, GLdouble, GLdouble) {
    Add("glMapGrid2d");
}
void glMapGrid2f(GLint, GLfloat, GLfloat, GLint, GLfloat, GLfloat) {
    Add("glMapGrid2f");
}
}
