#include "gl11/glu/Quadric.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace gl11 {

SineCosine::SineCosine(double exact)
    : angle(static_cast<float>(exact)), sine(static_cast<float>(std::sin(angle))),
      cosine(static_cast<float>(std::cos(angle))) {}

SliceCircle::SliceCircle(int slices) {
    for (int j = 0; j < slices; ++j) {
        const SineCosine turn(2.0 * kPi * j / slices);
        sine[j] = turn.sine;
        cosine[j] = turn.cosine;
    }
    sine[slices] = sine[0];
    cosine[slices] = cosine[0];
}

void ReportUnsupported(const char* what) {
    // As the layer's own calls: one line naming it, and a debug build stops there.
    std::fprintf(stderr, "gl11: %s is not implemented\n", what);
#ifndef NDEBUG
    std::abort();
#endif
}

GLUquadric* gluNewQuadric() {
    return new GLUquadric;
}

void gluDeleteQuadric(GLUquadric* quadric) {
    delete quadric;
}

void gluQuadricNormals(GLUquadric* quadric, GLenum normals) {
    if (!quadric)
        return;
    if (normals == GLU_SMOOTH || normals == GLU_NONE)
        quadric->normals = normals;
    else if (normals == GLU_FLAT)
        ReportUnsupported("gluQuadricNormals (GLU_FLAT)");
}

void gluQuadricTexture(GLUquadric* quadric, GLboolean textureCoords) {
    if (quadric)
        quadric->textureCoords = textureCoords != GL_FALSE;
}

} // namespace gl11
