// A viewing transformation from an eye point, a point looked at and an up direction.
#include "gl11/glu/GluGl.h"

#include <cmath>

namespace gl11 {

namespace {

struct Direction {
    float x, y, z;
};

Direction Cross(const Direction& a, const Direction& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Made one long; a zero direction is left as it is.
void Normalise(Direction& d) {
    const float length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    if (length == 0.0f)
        return;
    d.x /= length;
    d.y /= length;
    d.z /= length;
}

} // namespace

void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX, GLdouble centreY,
               GLdouble centreZ, GLdouble upX, GLdouble upY, GLdouble upZ) {
    Direction forward{static_cast<float>(centreX - eyeX), static_cast<float>(centreY - eyeY),
                      static_cast<float>(centreZ - eyeZ)};
    Direction up{static_cast<float>(upX), static_cast<float>(upY), static_cast<float>(upZ)};
    Normalise(forward);
    Direction side = Cross(forward, up);
    Normalise(side);
    up = Cross(side, forward);
    // Rows side, up and -forward, in OpenGL's column order.
    const GLfloat m[16] = {side.x, up.x, -forward.x, 0, side.y, up.y, -forward.y, 0,
                           side.z, up.z, -forward.z, 0, 0,      0,    0,          1};
    glMultMatrixf(m);
    glTranslated(-eyeX, -eyeY, -eyeZ);
}

} // namespace gl11
