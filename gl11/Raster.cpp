// Rasterisation, per-fragment and framebuffer state, mirrored on OpenGL ES as it changes (after
// what was gathered under the old state is drawn), and the calls that act on the framebuffer.
#include "gl11/Context.h"

#include <algorithm>

namespace gl11 {

namespace {
void Commit(Context& c) {
    StateChanging(c);
    EnsureEs(c);
}

bool ValidBlendFactor(GLenum factor, bool source) {
    switch (factor) {
    case GL_ZERO:
    case GL_ONE:
    case GL_SRC_ALPHA:
    case GL_ONE_MINUS_SRC_ALPHA:
    case GL_DST_ALPHA:
    case GL_ONE_MINUS_DST_ALPHA:
        return true;
    case GL_DST_COLOR:
    case GL_ONE_MINUS_DST_COLOR:
    case GL_SRC_ALPHA_SATURATE:
        return source;
    case GL_SRC_COLOR:
    case GL_ONE_MINUS_SRC_COLOR:
        return !source;
    default:
        return false;
    }
}

// The viewport or the scissor box, kept and handed to OpenGL ES.
void SetBox(GLint (Context::*box)[4],
            void (GL11_APIENTRY* EsCalls::*send)(GLint, GLint, GLsizei, GLsizei), GLint x, GLint y,
            GLsizei width, GLsizei height) {
    Context* c = Usable();
    if (!c)
        return;
    if (width < 0 || height < 0)
        return SetError(*c, GL_INVALID_VALUE);
    Commit(*c);
    GLint* kept = c->*box;
    kept[0] = x, kept[1] = y, kept[2] = width, kept[3] = height;
    (c->es.*send)(x, y, width, height);
}

float Clamped(double value) {
    return static_cast<float>(std::min(1.0, std::max(0.0, value)));
}
} // namespace

void glPointSize(GLfloat size) {
    Context* c = Usable();
    if (!c)
        return;
    if (!(size > 0)) {
        SetError(*c, GL_INVALID_VALUE);
        return;
    }
    // Each vertex carries the size it was given with, so no drawing waits on it.
    c->current.pointSize = size;
}

void glLineWidth(GLfloat width) {
    Context* c = Usable();
    if (!c)
        return;
    if (!(width > 0))
        SetError(*c, GL_INVALID_VALUE);
    else if (width != 1)
        Unsupported(c, "glLineWidth other than 1");
}

void glCullFace(GLenum mode) {
    Context* c = Usable();
    if (!c)
        return;
    if (mode != GL_FRONT && mode != GL_BACK && mode != GL_FRONT_AND_BACK)
        return SetError(*c, GL_INVALID_ENUM);
    if (mode == c->cullFaceMode)
        return;
    Commit(*c);
    c->cullFaceMode = mode;
    c->es.CullFace(mode);
}

void glFrontFace(GLenum mode) {
    Context* c = Usable();
    if (!c)
        return;
    if (mode != GL_CW && mode != GL_CCW)
        return SetError(*c, GL_INVALID_ENUM);
    if (mode == c->frontFace)
        return;
    Commit(*c);
    c->frontFace = mode;
    c->es.FrontFace(mode);
}

void glBlendFunc(GLenum sfactor, GLenum dfactor) {
    Context* c = Usable();
    if (!c)
        return;
    if (!ValidBlendFactor(sfactor, true) || !ValidBlendFactor(dfactor, false))
        return SetError(*c, GL_INVALID_ENUM);
    if (sfactor == c->blendSrc && dfactor == c->blendDst)
        return;
    Commit(*c);
    c->blendSrc = sfactor;
    c->blendDst = dfactor;
    c->es.BlendFunc(sfactor, dfactor);
}

void glDepthFunc(GLenum func) {
    Context* c = Usable();
    if (!c)
        return;
    if (func < GL_NEVER || func > GL_ALWAYS)
        return SetError(*c, GL_INVALID_ENUM);
    if (func == c->depthFunc)
        return;
    Commit(*c);
    c->depthFunc = func;
    c->es.DepthFunc(func);
}

void glDepthMask(GLboolean flag) {
    Context* c = Usable();
    if (!c || (flag != 0) == c->depthMask)
        return;
    Commit(*c);
    c->depthMask = flag != 0;
    c->es.DepthMask(flag ? GL_TRUE : GL_FALSE);
}

void glColorMask(GLboolean red, GLboolean green, GLboolean blue, GLboolean alpha) {
    Context* c = Usable();
    if (!c)
        return;
    const bool mask[4] = {red != 0, green != 0, blue != 0, alpha != 0};
    if (std::equal(mask, mask + 4, c->colourMask))
        return;
    Commit(*c);
    std::copy(mask, mask + 4, c->colourMask);
    c->es.ColorMask(mask[0], mask[1], mask[2], mask[3]);
}

void glScissor(GLint x, GLint y, GLsizei width, GLsizei height) {
    SetBox(&Context::scissor, &EsCalls::Scissor, x, y, width, height);
}

void glHint(GLenum target, GLenum mode) {
    Context* c = Usable();
    // Hints bind nothing; the layer keeps none.
    (void)target, (void)mode;
    (void)c;
}

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    SetBox(&Context::viewport, &EsCalls::Viewport, x, y, width, height);
}

void glDepthRange(GLclampd zNear, GLclampd zFar) {
    Context* c = Usable();
    if (!c)
        return;
    Commit(*c);
    c->depthRange[0] = Clamped(zNear);
    c->depthRange[1] = Clamped(zFar);
    c->es.DepthRangef(c->depthRange[0], c->depthRange[1]);
}

void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    Context* c = Usable();
    if (!c)
        return;
    // Read by glClear only: nothing gathered depends on it.
    c->clearColour[0] = Clamped(red);
    c->clearColour[1] = Clamped(green);
    c->clearColour[2] = Clamped(blue);
    c->clearColour[3] = Clamped(alpha);
}

void glClearDepth(GLclampd depth) {
    Context* c = Usable();
    if (c)
        c->clearDepth = Clamped(depth);
}

void glClear(GLbitfield mask) {
    Context* c = Usable();
    if (!c)
        return;
    const GLbitfield known =
        GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT | GL_ACCUM_BUFFER_BIT;
    if (mask & ~known)
        return SetError(*c, GL_INVALID_VALUE);
    if (mask & GL_ACCUM_BUFFER_BIT)
        return Unsupported(c, "glClear(GL_ACCUM_BUFFER_BIT)");
    FlushPending();
    EnsureEs(*c);
    c->es.ClearColor(c->clearColour[0], c->clearColour[1], c->clearColour[2], c->clearColour[3]);
    c->es.ClearDepthf(c->clearDepth);
    c->es.Clear(mask);
}

void glFlush() {
    Context* c = Usable();
    if (!c)
        return;
    FlushPending();
    EnsureEs(*c);
    c->es.Flush();
}

void glFinish() {
    Context* c = Usable();
    if (!c)
        return;
    FlushPending();
    EnsureEs(*c);
    c->es.Finish();
}

} // namespace gl11
