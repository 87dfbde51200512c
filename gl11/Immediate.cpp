// Immediate mode: the current per-vertex values, and glBegin/glEnd blocks gathered into the
// pending batch, which is drawn only when state changes or the frame is needed.
#include "gl11/Assembly.h"
#include "gl11/Context.h"

namespace gl11 {

namespace {
// Past this many vertices a batch is drawn at the next glBegin, to bound its memory.
constexpr std::size_t kBatchLimit = 1 << 18;

void Vertex3(float x, float y, float z) {
    Context* c = Current();
    if (!c || !c->inBegin)
        return;
    Vertex v = c->current;
    v.position[0] = x, v.position[1] = y, v.position[2] = z;
    c->vertices.push_back(v);
}

void Normal3(float x, float y, float z) {
    if (Context* c = Current()) {
        c->current.normal[0] = x, c->current.normal[1] = y, c->current.normal[2] = z;
    }
}

void Colour4(float r, float g, float b, float a) {
    if (Context* c = Current()) {
        float* colour = c->current.colour;
        colour[0] = r, colour[1] = g, colour[2] = b, colour[3] = a;
    }
}

float Unit(GLubyte value) {
    return static_cast<float>(value) / 255.0f;
}

void TexCoord2(float s, float t) {
    if (Context* c = Current())
        c->current.texCoord[0] = s, c->current.texCoord[1] = t;
}
} // namespace

void glBegin(GLenum mode) {
    Context* c = Usable();
    if (!c)
        return;
    if (!IsBeginMode(mode)) {
        SetError(*c, GL_INVALID_ENUM);
        return;
    }
    const Primitive kind = PrimitiveOf(mode);
    if (!c->vertices.empty() && (kind != c->batchKind || c->vertices.size() > kBatchLimit))
        FlushBatch(*c);
    c->batchKind = kind;
    c->inBegin = true;
    c->beginMode = mode;
    c->blockStart = c->vertices.size();
}

void glEnd() {
    Context* c = Current();
    if (!c)
        return;
    if (!c->inBegin) {
        SetError(*c, GL_INVALID_OPERATION);
        return;
    }
    c->inBegin = false;
    if (c->batchKind != Primitive::Points)
        Assemble(c->beginMode, static_cast<GLuint>(c->blockStart),
                 static_cast<int>(c->vertices.size() - c->blockStart), c->indices);
}

void glVertex2f(GLfloat x, GLfloat y) {
    Vertex3(x, y, 0);
}
void glVertex2d(GLdouble x, GLdouble y) {
    Vertex3(static_cast<float>(x), static_cast<float>(y), 0);
}
void glVertex2i(GLint x, GLint y) {
    Vertex3(static_cast<float>(x), static_cast<float>(y), 0);
}
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    Vertex3(x, y, z);
}
void glVertex3fv(const GLfloat* v) {
    Vertex3(v[0], v[1], v[2]);
}
void glVertex3d(GLdouble x, GLdouble y, GLdouble z) {
    Vertex3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}
void glVertex3dv(const GLdouble* v) {
    glVertex3d(v[0], v[1], v[2]);
}

void glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    Normal3(x, y, z);
}
void glNormal3fv(const GLfloat* v) {
    Normal3(v[0], v[1], v[2]);
}
void glNormal3d(GLdouble x, GLdouble y, GLdouble z) {
    Normal3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}
void glNormal3dv(const GLdouble* v) {
    glNormal3d(v[0], v[1], v[2]);
}

void glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    Colour4(r, g, b, 1);
}
void glColor3fv(const GLfloat* v) {
    Colour4(v[0], v[1], v[2], 1);
}
void glColor3d(GLdouble r, GLdouble g, GLdouble b) {
    Colour4(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b), 1);
}
void glColor3dv(const GLdouble* v) {
    glColor3d(v[0], v[1], v[2]);
}
void glColor3ub(GLubyte r, GLubyte g, GLubyte b) {
    Colour4(Unit(r), Unit(g), Unit(b), 1);
}
void glColor3ubv(const GLubyte* v) {
    glColor3ub(v[0], v[1], v[2]);
}
void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    Colour4(r, g, b, a);
}
void glColor4fv(const GLfloat* v) {
    Colour4(v[0], v[1], v[2], v[3]);
}
void glColor4d(GLdouble r, GLdouble g, GLdouble b, GLdouble a) {
    Colour4(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b),
            static_cast<float>(a));
}
void glColor4dv(const GLdouble* v) {
    glColor4d(v[0], v[1], v[2], v[3]);
}
void glColor4ub(GLubyte r, GLubyte g, GLubyte b, GLubyte a) {
    Colour4(Unit(r), Unit(g), Unit(b), Unit(a));
}
void glColor4ubv(const GLubyte* v) {
    glColor4ub(v[0], v[1], v[2], v[3]);
}

void glTexCoord2f(GLfloat s, GLfloat t) {
    TexCoord2(s, t);
}
void glTexCoord2fv(const GLfloat* v) {
    TexCoord2(v[0], v[1]);
}
void glTexCoord2d(GLdouble s, GLdouble t) {
    TexCoord2(static_cast<float>(s), static_cast<float>(t));
}
void glTexCoord2dv(const GLdouble* v) {
    glTexCoord2d(v[0], v[1]);
}

} // namespace gl11
