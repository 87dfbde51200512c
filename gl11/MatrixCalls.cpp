// The matrix calls: each changes the current mode's top matrix, drawing first what was
// gathered under the old one.
#include "gl11/Context.h"

namespace gl11 {

namespace {
void Replace(Context& c, const Mat4& m) {
    Mat4& top = CurrentMatrix(c);
    if (top == m)
        return;
    StateChanging(c);
    CurrentMatrix(c) = m;
}

void Multiply(const Mat4& m) {
    Context* c = Usable();
    if (c)
        Replace(*c, CurrentMatrix(*c) * m);
}

int MaxDepth(GLenum mode) {
    if (mode == GL_PROJECTION)
        return kProjectionStackDepth;
    if (mode == GL_TEXTURE)
        return kTextureStackDepth;
    return kModelviewStackDepth;
}
} // namespace

void glMatrixMode(GLenum mode) {
    Context* c = Usable();
    if (!c)
        return;
    if (mode != GL_MODELVIEW && mode != GL_PROJECTION && mode != GL_TEXTURE) {
        SetError(*c, GL_INVALID_ENUM);
        return;
    }
    c->matrixMode = mode;
}

void glLoadIdentity() {
    Context* c = Usable();
    if (c)
        Replace(*c, Mat4::Identity());
}

void glLoadMatrixf(const GLfloat* m) {
    Context* c = Usable();
    if (!c)
        return;
    Mat4 r;
    for (int i = 0; i < 16; ++i)
        r.m[i] = m[i];
    Replace(*c, r);
}

void glLoadMatrixd(const GLdouble* m) {
    Context* c = Usable();
    if (!c)
        return;
    Mat4 r;
    for (int i = 0; i < 16; ++i)
        r.m[i] = static_cast<float>(m[i]);
    Replace(*c, r);
}

void glMultMatrixf(const GLfloat* m) {
    Mat4 r;
    for (int i = 0; i < 16; ++i)
        r.m[i] = m[i];
    Multiply(r);
}

void glMultMatrixd(const GLdouble* m) {
    Mat4 r;
    for (int i = 0; i < 16; ++i)
        r.m[i] = static_cast<float>(m[i]);
    Multiply(r);
}

void glPushMatrix() {
    Context* c = Usable();
    if (!c)
        return;
    std::vector<Mat4>& stack = CurrentStack(*c);
    if (static_cast<int>(stack.size()) >= MaxDepth(c->matrixMode)) {
        SetError(*c, GL_STACK_OVERFLOW);
        return;
    }
    stack.push_back(stack.back());
}

void glPopMatrix() {
    Context* c = Usable();
    if (!c)
        return;
    std::vector<Mat4>& stack = CurrentStack(*c);
    if (stack.size() <= 1) {
        SetError(*c, GL_STACK_UNDERFLOW);
        return;
    }
    if (stack[stack.size() - 2] != stack.back())
        StateChanging(*c);
    stack.pop_back();
}

void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    Multiply(Rotation(angle, x, y, z));
}

void glRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z) {
    Multiply(Rotation(static_cast<float>(angle), static_cast<float>(x), static_cast<float>(y),
                      static_cast<float>(z)));
}

void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    Multiply(Translation(x, y, z));
}

void glTranslated(GLdouble x, GLdouble y, GLdouble z) {
    Multiply(Translation(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)));
}

void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    Multiply(Scaling(x, y, z));
}

void glScaled(GLdouble x, GLdouble y, GLdouble z) {
    Multiply(Scaling(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)));
}

void glFrustum(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
               GLdouble zFar) {
    Context* c = Usable();
    if (!c)
        return;
    if (zNear <= 0 || zFar <= 0 || left == right || bottom == top || zNear == zFar) {
        SetError(*c, GL_INVALID_VALUE);
        return;
    }
    Multiply(Frustum(static_cast<float>(left), static_cast<float>(right),
                     static_cast<float>(bottom), static_cast<float>(top), static_cast<float>(zNear),
                     static_cast<float>(zFar)));
}

void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
             GLdouble zFar) {
    Context* c = Usable();
    if (!c)
        return;
    if (left == right || bottom == top || zNear == zFar) {
        SetError(*c, GL_INVALID_VALUE);
        return;
    }
    Multiply(Ortho(static_cast<float>(left), static_cast<float>(right), static_cast<float>(bottom),
                   static_cast<float>(top), static_cast<float>(zNear), static_cast<float>(zFar)));
}

} // namespace gl11
