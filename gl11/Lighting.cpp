// Lights, materials, the light model and colour material: state the generated programs read.
#include "gl11/Context.h"

#include <algorithm>

namespace gl11 {

namespace {
// Copies n values, drawing what is pending first when they differ from the old ones.
void Assign(Context& c, float* to, const float* from, int n) {
    if (std::equal(from, from + n, to))
        return;
    StateChanging(c);
    std::copy(from, from + n, to);
}

Light* LightOf(Context& c, GLenum light) {
    if (light < GL_LIGHT0 || light >= GL_LIGHT0 + kMaxLights) {
        SetError(c, GL_INVALID_ENUM);
        return nullptr;
    }
    return &c.lights[light - GL_LIGHT0];
}

bool ScalarLightParameter(GLenum pname) {
    return pname == GL_SPOT_EXPONENT || pname == GL_SPOT_CUTOFF ||
           pname == GL_CONSTANT_ATTENUATION || pname == GL_LINEAR_ATTENUATION ||
           pname == GL_QUADRATIC_ATTENUATION;
}

void SetLight(Context& c, Light& l, GLenum pname, const GLfloat* p) {
    switch (pname) {
    case GL_AMBIENT:
        return Assign(c, l.ambient, p, 4);
    case GL_DIFFUSE:
        return Assign(c, l.diffuse, p, 4);
    case GL_SPECULAR:
        return Assign(c, l.specular, p, 4);
    case GL_POSITION: {
        // Kept in eye coordinates, as the modelview matrix is now.
        float eye[4];
        Transform(c.modelview.back(), p, eye);
        return Assign(c, l.position, eye, 4);
    }
    case GL_SPOT_DIRECTION: {
        float eye[3];
        TransformDirection(c.modelview.back(), p, eye);
        return Assign(c, l.spotDirection, eye, 3);
    }
    case GL_SPOT_EXPONENT:
        if (p[0] < 0 || p[0] > 128)
            return SetError(c, GL_INVALID_VALUE);
        return Assign(c, &l.spotExponent, p, 1);
    case GL_SPOT_CUTOFF:
        if ((p[0] < 0 || p[0] > 90) && p[0] != 180)
            return SetError(c, GL_INVALID_VALUE);
        return Assign(c, &l.spotCutoff, p, 1);
    case GL_CONSTANT_ATTENUATION:
    case GL_LINEAR_ATTENUATION:
    case GL_QUADRATIC_ATTENUATION:
        if (p[0] < 0)
            return SetError(c, GL_INVALID_VALUE);
        return Assign(c, &l.attenuation[pname - GL_CONSTANT_ATTENUATION], p, 1);
    default:
        return SetError(c, GL_INVALID_ENUM);
    }
}

bool ValidFace(GLenum face) {
    return face == GL_FRONT || face == GL_BACK || face == GL_FRONT_AND_BACK;
}

void SetMaterial(Context& c, Material& m, GLenum pname, const GLfloat* p) {
    switch (pname) {
    case GL_AMBIENT:
        return Assign(c, m.ambient, p, 4);
    case GL_DIFFUSE:
        return Assign(c, m.diffuse, p, 4);
    case GL_SPECULAR:
        return Assign(c, m.specular, p, 4);
    case GL_EMISSION:
        return Assign(c, m.emission, p, 4);
    case GL_AMBIENT_AND_DIFFUSE:
        Assign(c, m.ambient, p, 4);
        return Assign(c, m.diffuse, p, 4);
    case GL_SHININESS:
        if (p[0] < 0 || p[0] > 128)
            return SetError(c, GL_INVALID_VALUE);
        return Assign(c, &m.shininess, p, 1);
    default:
        return SetError(c, GL_INVALID_ENUM);
    }
}

bool Tracks(const Context& c, GLenum face, GLenum pname) {
    if (!c.colourMaterial ||
        (c.colourMaterialFace != GL_FRONT_AND_BACK && c.colourMaterialFace != face))
        return false;
    const GLenum p = c.colourMaterialParameter;
    return p == pname ||
           (p == GL_AMBIENT_AND_DIFFUSE && (pname == GL_AMBIENT || pname == GL_DIFFUSE));
}
} // namespace

void StoreTrackedColour(Context& c) {
    if (!c.colourMaterial)
        return;
    const GLenum face = c.colourMaterialFace;
    if (face != GL_BACK)
        SetMaterial(c, c.front, c.colourMaterialParameter, c.current.colour);
    if (face != GL_FRONT)
        SetMaterial(c, c.back, c.colourMaterialParameter, c.current.colour);
}

void glShadeModel(GLenum mode) {
    Context* c = Usable();
    if (!c)
        return;
    if (mode == GL_FLAT)
        Unsupported(c, "glShadeModel(GL_FLAT)");
    else if (mode != GL_SMOOTH)
        SetError(*c, GL_INVALID_ENUM);
}

void glLightfv(GLenum light, GLenum pname, const GLfloat* params) {
    Context* c = Usable();
    if (!c)
        return;
    if (Light* l = LightOf(*c, light))
        SetLight(*c, *l, pname, params);
}

void glLightf(GLenum light, GLenum pname, GLfloat param) {
    Context* c = Usable();
    if (!c)
        return;
    if (!ScalarLightParameter(pname))
        return SetError(*c, GL_INVALID_ENUM);
    glLightfv(light, pname, &param);
}

void glLighti(GLenum light, GLenum pname, GLint param) {
    glLightf(light, pname, static_cast<GLfloat>(param));
}

void glGetLightfv(GLenum light, GLenum pname, GLfloat* params) {
    Context* c = Usable();
    if (!c)
        return;
    const Light* l = LightOf(*c, light);
    if (!l)
        return;
    const float* from = nullptr;
    int n = 1;
    switch (pname) {
    case GL_AMBIENT:
        from = l->ambient, n = 4;
        break;
    case GL_DIFFUSE:
        from = l->diffuse, n = 4;
        break;
    case GL_SPECULAR:
        from = l->specular, n = 4;
        break;
    case GL_POSITION:
        from = l->position, n = 4;
        break;
    case GL_SPOT_DIRECTION:
        from = l->spotDirection, n = 3;
        break;
    case GL_SPOT_EXPONENT:
        from = &l->spotExponent;
        break;
    case GL_SPOT_CUTOFF:
        from = &l->spotCutoff;
        break;
    case GL_CONSTANT_ATTENUATION:
    case GL_LINEAR_ATTENUATION:
    case GL_QUADRATIC_ATTENUATION:
        from = &l->attenuation[pname - GL_CONSTANT_ATTENUATION];
        break;
    default:
        return SetError(*c, GL_INVALID_ENUM);
    }
    std::copy(from, from + n, params);
}

void glLightModelfv(GLenum pname, const GLfloat* params) {
    Context* c = Usable();
    if (!c)
        return;
    bool* flag = nullptr;
    if (pname == GL_LIGHT_MODEL_AMBIENT)
        return Assign(*c, c->sceneAmbient, params, 4);
    if (pname == GL_LIGHT_MODEL_LOCAL_VIEWER)
        flag = &c->localViewer;
    else if (pname == GL_LIGHT_MODEL_TWO_SIDE)
        flag = &c->twoSide;
    else
        return SetError(*c, GL_INVALID_ENUM);
    const bool on = params[0] != 0;
    if (*flag == on)
        return;
    StateChanging(*c);
    *flag = on;
}

void glLightModelf(GLenum pname, GLfloat param) {
    Context* c = Usable();
    if (!c)
        return;
    if (pname == GL_LIGHT_MODEL_AMBIENT)
        return SetError(*c, GL_INVALID_ENUM);
    glLightModelfv(pname, &param);
}

void glLightModeli(GLenum pname, GLint param) {
    glLightModelf(pname, static_cast<GLfloat>(param));
}

void glMaterialfv(GLenum face, GLenum pname, const GLfloat* params) {
    Context* c = Current();
    if (!c)
        return;
    if (c->inBegin)
        return Unsupported(c, "glMaterial between glBegin and glEnd");
    if (!ValidFace(face))
        return SetError(*c, GL_INVALID_ENUM);
    if (face != GL_BACK)
        SetMaterial(*c, c->front, pname, params);
    if (face != GL_FRONT)
        SetMaterial(*c, c->back, pname, params);
}

void glMaterialf(GLenum face, GLenum pname, GLfloat param) {
    Context* c = Current();
    if (!c)
        return;
    if (pname != GL_SHININESS && !c->inBegin)
        return SetError(*c, GL_INVALID_ENUM);
    glMaterialfv(face, pname, &param);
}

void glGetMaterialfv(GLenum face, GLenum pname, GLfloat* params) {
    Context* c = Usable();
    if (!c)
        return;
    if (face != GL_FRONT && face != GL_BACK)
        return SetError(*c, GL_INVALID_ENUM);
    const Material& m = face == GL_FRONT ? c->front : c->back;
    const float* from = nullptr;
    switch (pname) {
    case GL_AMBIENT:
        from = m.ambient;
        break;
    case GL_DIFFUSE:
        from = m.diffuse;
        break;
    case GL_SPECULAR:
        from = m.specular;
        break;
    case GL_EMISSION:
        from = m.emission;
        break;
    case GL_SHININESS:
        params[0] = m.shininess;
        return;
    default:
        return SetError(*c, GL_INVALID_ENUM);
    }
    // A parameter that follows the colour is the current colour.
    if (Tracks(*c, face, pname))
        from = c->current.colour;
    std::copy(from, from + 4, params);
}

void glColorMaterial(GLenum face, GLenum mode) {
    Context* c = Usable();
    if (!c)
        return;
    const bool validMode = mode == GL_AMBIENT || mode == GL_DIFFUSE || mode == GL_SPECULAR ||
                           mode == GL_EMISSION || mode == GL_AMBIENT_AND_DIFFUSE;
    if (!ValidFace(face) || !validMode)
        return SetError(*c, GL_INVALID_ENUM);
    if (face == c->colourMaterialFace && mode == c->colourMaterialParameter)
        return;
    // The parameters that stop following the colour keep the one they had.
    StoreTrackedColour(*c);
    StateChanging(*c);
    c->colourMaterialFace = face;
    c->colourMaterialParameter = mode;
}

} // namespace gl11
