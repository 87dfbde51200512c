#include "scene/Quadric.h"

GLUquadric* NewQuadric(GLUquadric* old, bool textured) {
    ReleaseQuadric(old);
    GLUquadric* quadric = gluNewQuadric();
    if (!quadric)
        return nullptr;
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluQuadricTexture(quadric, textured ? GL_TRUE : GL_FALSE);
    return quadric;
}

void ReleaseQuadric(GLUquadric* quadric) {
    if (quadric)
        gluDeleteQuadric(quadric);
}
