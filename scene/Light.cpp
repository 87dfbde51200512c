#include "scene/Light.h"

#include "platform/Win32.h"

void Light::Setup(int number, const Rgba& ambient, const Rgba& diffuse, const Vec3& position,
                  int positional) {
    this->number = number;
    this->ambient = ambient;
    this->diffuse = diffuse;
    this->position = position;
    this->positional = positional;
}

void Light::SetPosition(const Vec3& position) {
    this->position = position;
}

void Light::SetSpot(const Vec3& direction, double cutoff, double exponent) {
    spotDirection = direction;
    spotCutoff = cutoff;
    spotExponent = exponent;
}

void Light::SetIntensity(double intensity) {
    this->intensity = intensity;
}

void Light::ApplyColours() const {
    // A light that was never set up names no OpenGL light; sending it would hit a neighbour.
    if (!HasValidNumber())
        return;
    const GLenum light = GL_LIGHT0 + number;
    const Rgba d = Rgba::Scaled(diffuse, intensity);
    const Rgba a = Rgba::Scaled(ambient, intensity);
    glLightfv(light, GL_DIFFUSE, d.Data());
    glLightfv(light, GL_AMBIENT, a.Data());
}

void Light::Apply() const {
    if (!HasValidNumber())
        return;
    const GLenum light = GL_LIGHT0 + number;
    if (!enabled) {
        glDisable(light);
        return;
    }
    glEnable(light);
    const GLfloat where[4] = {static_cast<GLfloat>(position.x), static_cast<GLfloat>(position.y),
                              static_cast<GLfloat>(position.z), static_cast<GLfloat>(positional)};
    glLightfv(light, GL_POSITION, where);
    if (positional == kSpot) {
        const GLfloat direction[3] = {static_cast<GLfloat>(spotDirection.x),
                                      static_cast<GLfloat>(spotDirection.y),
                                      static_cast<GLfloat>(spotDirection.z)};
        glLightfv(light, GL_SPOT_DIRECTION, direction);
        glLightf(light, GL_SPOT_CUTOFF, static_cast<GLfloat>(spotCutoff));
        glLightf(light, GL_SPOT_EXPONENT, static_cast<GLfloat>(spotExponent));
    }
}
