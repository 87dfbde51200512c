// glGet*, glGetString and glGetError. Every value the layer keeps is answered from its own
// state; the framebuffer's bit depths come from OpenGL ES.
#include "gl11/Context.h"

#include <cmath>

namespace gl11 {

namespace {
const char kVersion[] = "1.1";
// Only what the layer gives: BGR and BGRA images.
const char kExtensions[] = "GL_EXT_bgra";

// How a value converts between the glGet types, as OpenGL 1.1 converts it.
enum class Kind { Integer, Float, Boolean, Unit };

struct Answer {
    double v[16];
    int n = 0;
    Kind kind = Kind::Integer;

    void Add(double value) { v[n++] = value; }
    void AddAll(const float* values, int count) {
        for (int i = 0; i < count; ++i)
            Add(values[i]);
    }
};

bool FromEs(Context& c, GLenum pname, Answer& a, int count) {
    EnsureEs(c);
    GLint values[4] = {};
    c.es.GetIntegerv(pname, values);
    for (int i = 0; i < count; ++i)
        a.Add(values[i]);
    return true;
}

bool ArrayQuery(const ClientArray& array, int which, Answer& a) {
    a.Add(which == 0 ? array.size : which == 1 ? static_cast<double>(array.type) : array.stride);
    return true;
}

// The value of pname, or false when the layer does not know it.
bool Query(Context& c, GLenum pname, Answer& a) {
    GLint store;
    if (PixelStoreValue(c, pname, &store))
        return a.Add(store), true;
    bool on;
    if (EnableState(c, pname, &on))
        return a.kind = Kind::Boolean, a.Add(on), true;
    switch (pname) {
    case GL_MATRIX_MODE:
        return a.Add(c.matrixMode), true;
    case GL_MODELVIEW_MATRIX:
        return a.kind = Kind::Float, a.AddAll(c.modelview.back().m, 16), true;
    case GL_PROJECTION_MATRIX:
        return a.kind = Kind::Float, a.AddAll(c.projection.back().m, 16), true;
    case GL_TEXTURE_MATRIX:
        return a.kind = Kind::Float, a.AddAll(c.texture.back().m, 16), true;
    case GL_MODELVIEW_STACK_DEPTH:
        return a.Add(static_cast<double>(c.modelview.size())), true;
    case GL_PROJECTION_STACK_DEPTH:
        return a.Add(static_cast<double>(c.projection.size())), true;
    case GL_TEXTURE_STACK_DEPTH:
        return a.Add(static_cast<double>(c.texture.size())), true;
    case GL_MAX_MODELVIEW_STACK_DEPTH:
        return a.Add(kModelviewStackDepth), true;
    case GL_MAX_PROJECTION_STACK_DEPTH:
        return a.Add(kProjectionStackDepth), true;
    case GL_MAX_TEXTURE_STACK_DEPTH:
        return a.Add(kTextureStackDepth), true;
    case GL_CLIENT_ATTRIB_STACK_DEPTH:
        return a.Add(static_cast<double>(c.clientAttribs.size())), true;
    case GL_MAX_CLIENT_ATTRIB_STACK_DEPTH:
        return a.Add(kClientAttribStackDepth), true;
    case GL_VIEWPORT:
        EnsureEs(c);
        for (GLint v : c.viewport)
            a.Add(v);
        return true;
    case GL_SCISSOR_BOX:
        EnsureEs(c);
        for (GLint v : c.scissor)
            a.Add(v);
        return true;
    case GL_MAX_TEXTURE_SIZE:
        EnsureEs(c);
        return a.Add(c.maxTextureSize), true;
    case GL_MAX_VIEWPORT_DIMS:
        return FromEs(c, pname, a, 2);
    case GL_RED_BITS:
    case GL_GREEN_BITS:
    case GL_BLUE_BITS:
    case GL_ALPHA_BITS:
    case GL_DEPTH_BITS:
    case GL_STENCIL_BITS:
        return FromEs(c, pname, a, 1);
    case GL_DOUBLEBUFFER:
        return a.kind = Kind::Boolean, a.Add(1), true;
    case GL_TEXTURE_BINDING_2D:
        return a.Add(c.boundTexture), true;
    case GL_MAX_LIGHTS:
        return a.Add(kMaxLights), true;
    case GL_CURRENT_COLOR:
        return a.kind = Kind::Unit, a.AddAll(c.current.colour, 4), true;
    case GL_CURRENT_NORMAL:
        return a.kind = Kind::Unit, a.AddAll(c.current.normal, 3), true;
    case GL_CURRENT_TEXTURE_COORDS:
        a.kind = Kind::Float;
        a.AddAll(c.current.texCoord, 2);
        a.Add(0);
        a.Add(1);
        return true;
    case GL_POINT_SIZE:
        return a.kind = Kind::Float, a.Add(c.current.pointSize), true;
    case GL_POINT_SIZE_RANGE:
    case GL_LINE_WIDTH_RANGE:
        a.kind = Kind::Float;
        a.Add(1);
        a.Add(pname == GL_POINT_SIZE_RANGE ? 255 : 1);
        return true;
    case GL_LINE_WIDTH:
        return a.kind = Kind::Float, a.Add(1), true;
    case GL_SHADE_MODEL:
        return a.Add(GL_SMOOTH), true;
    case GL_BLEND_SRC:
        return a.Add(c.blendSrc), true;
    case GL_BLEND_DST:
        return a.Add(c.blendDst), true;
    case GL_DEPTH_FUNC:
        return a.Add(c.depthFunc), true;
    case GL_DEPTH_WRITEMASK:
        return a.kind = Kind::Boolean, a.Add(c.depthMask), true;
    case GL_DEPTH_CLEAR_VALUE:
        return a.kind = Kind::Unit, a.Add(c.clearDepth), true;
    case GL_DEPTH_RANGE:
        return a.kind = Kind::Unit, a.AddAll(c.depthRange, 2), true;
    case GL_COLOR_CLEAR_VALUE:
        return a.kind = Kind::Unit, a.AddAll(c.clearColour, 4), true;
    case GL_COLOR_WRITEMASK:
        a.kind = Kind::Boolean;
        for (bool on : c.colourMask)
            a.Add(on);
        return true;
    case GL_CULL_FACE_MODE:
        return a.Add(c.cullFaceMode), true;
    case GL_FRONT_FACE:
        return a.Add(c.frontFace), true;
    case GL_COLOR_MATERIAL_FACE:
        return a.Add(c.colourMaterialFace), true;
    case GL_COLOR_MATERIAL_PARAMETER:
        return a.Add(c.colourMaterialParameter), true;
    case GL_LIGHT_MODEL_AMBIENT:
        return a.kind = Kind::Unit, a.AddAll(c.sceneAmbient, 4), true;
    case GL_LIGHT_MODEL_LOCAL_VIEWER:
        return a.kind = Kind::Boolean, a.Add(c.localViewer), true;
    case GL_LIGHT_MODEL_TWO_SIDE:
        return a.kind = Kind::Boolean, a.Add(c.twoSide), true;
    case GL_VERTEX_ARRAY_SIZE:
        return ArrayQuery(c.arrays.vertex, 0, a);
    case GL_VERTEX_ARRAY_TYPE:
        return ArrayQuery(c.arrays.vertex, 1, a);
    case GL_VERTEX_ARRAY_STRIDE:
        return ArrayQuery(c.arrays.vertex, 2, a);
    case GL_COLOR_ARRAY_SIZE:
        return ArrayQuery(c.arrays.colour, 0, a);
    case GL_COLOR_ARRAY_TYPE:
        return ArrayQuery(c.arrays.colour, 1, a);
    case GL_COLOR_ARRAY_STRIDE:
        return ArrayQuery(c.arrays.colour, 2, a);
    case GL_NORMAL_ARRAY_TYPE:
        return ArrayQuery(c.arrays.normal, 1, a);
    case GL_NORMAL_ARRAY_STRIDE:
        return ArrayQuery(c.arrays.normal, 2, a);
    case GL_TEXTURE_COORD_ARRAY_SIZE:
        return ArrayQuery(c.arrays.texCoord, 0, a);
    case GL_TEXTURE_COORD_ARRAY_TYPE:
        return ArrayQuery(c.arrays.texCoord, 1, a);
    case GL_TEXTURE_COORD_ARRAY_STRIDE:
        return ArrayQuery(c.arrays.texCoord, 2, a);
    default:
        break;
    }
    return false;
}

// The answer for pname, or false having said why there is none.
bool Get(GLenum pname, Answer& a, Context*& c) {
    c = Current();
    if (!c || !OutsideBegin(*c))
        return false;
    if (Query(*c, pname, a))
        return true;
    Unsupported(c, "glGet of this name");
    return false;
}

GLint ToInteger(const Answer& a, int i) {
    // Colours and normals span the whole integer range, as OpenGL 1.1 maps them.
    if (a.kind == Kind::Unit)
        return static_cast<GLint>(std::llround((4294967295.0 * a.v[i] - 1) / 2));
    return static_cast<GLint>(std::llround(a.v[i]));
}
} // namespace

GLenum glGetError() {
    Context* c = Usable();
    if (!c)
        return GL_NO_ERROR;
    const GLenum error = c->error;
    c->error = GL_NO_ERROR;
    return error;
}

const GLubyte* glGetString(GLenum name) {
    Context* c = Usable();
    if (!c)
        return nullptr;
    const char* s = nullptr;
    switch (name) {
    case GL_VENDOR:
        EnsureEs(*c);
        s = c->vendor.c_str();
        break;
    case GL_RENDERER:
        EnsureEs(*c);
        s = c->renderer.c_str();
        break;
    case GL_VERSION:
        s = kVersion;
        break;
    case GL_EXTENSIONS:
        s = kExtensions;
        break;
    default:
        SetError(*c, GL_INVALID_ENUM);
        break;
    }
    return reinterpret_cast<const GLubyte*>(s);
}

void glGetIntegerv(GLenum pname, GLint* params) {
    Answer a;
    Context* c;
    if (Get(pname, a, c))
        for (int i = 0; i < a.n; ++i)
            params[i] = ToInteger(a, i);
}

void glGetFloatv(GLenum pname, GLfloat* params) {
    Answer a;
    Context* c;
    if (Get(pname, a, c))
        for (int i = 0; i < a.n; ++i)
            params[i] = static_cast<GLfloat>(a.v[i]);
}

void glGetDoublev(GLenum pname, GLdouble* params) {
    Answer a;
    Context* c;
    if (Get(pname, a, c))
        for (int i = 0; i < a.n; ++i)
            params[i] = a.v[i];
}

void glGetBooleanv(GLenum pname, GLboolean* params) {
    Answer a;
    Context* c;
    if (Get(pname, a, c))
        for (int i = 0; i < a.n; ++i)
            params[i] = a.v[i] != 0 ? GL_TRUE : GL_FALSE;
}

} // namespace gl11
