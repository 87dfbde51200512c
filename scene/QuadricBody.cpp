#include "scene/QuadricBody.h"

namespace {
void Release(GLUquadric* quadric) {
    if (quadric)
        gluDeleteQuadric(quadric);
}
} // namespace

QuadricBody::~QuadricBody() {
    Release(quadric);
}

void QuadricBody::Create(float radius, int slices, int stacks, bool textured) {
    Release(quadric);
    quadric = gluNewQuadric();
    if (quadric) {
        gluQuadricNormals(quadric, GLU_SMOOTH);
        gluQuadricTexture(quadric, textured ? GL_TRUE : GL_FALSE);
    }
    this->radius = radius;
    this->slices = slices;
    this->stacks = stacks;
}
