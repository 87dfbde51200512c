// A flat disk in the x-y plane, facing +z: slices round it, loops from the rim inwards.
#include "gl11/glu/Quadric.h"

#include <algorithm>

namespace gl11 {

namespace {

struct DiskPoints {
    const GLUquadric& quadric;
    const SliceCircle& circle;
    double outer;

    // The point at radius in slice j. The texture spans the outer circle: (0.5, 0.5) at the
    // centre, 0 and 1 on the rim.
    void Vertex(float radius, int j) const {
        if (quadric.textureCoords) {
            const float share = static_cast<float>(radius / outer);
            glTexCoord2f(0.5f + circle.sine[j] * share * 0.5f,
                         0.5f + circle.cosine[j] * share * 0.5f);
        }
        glVertex3f(circle.sine[j] * radius, circle.cosine[j] * radius, 0.0f);
    }
};

} // namespace

void gluDisk(GLUquadric* quadric, GLdouble inner, GLdouble outer, GLint slices, GLint loops) {
    if (!quadric || slices < 2 || loops < 1 || !(inner >= 0) || !(outer > 0) || outer < inner)
        return;
    slices = std::min(slices, kMaxQuadricSegments);
    const SliceCircle circle(slices);
    const DiskPoints points{*quadric, circle, outer};
    // Each loop's radius: its share of the width in single precision, taken from the outer
    // radius in double precision.
    const float width = static_cast<float>(outer - inner);
    auto radiusOf = [&](int loop) {
        const float in = width * (static_cast<float>(loop) / static_cast<float>(loops));
        return static_cast<float>(outer - in);
    };
    if (quadric->normals != GLU_NONE)
        glNormal3f(0.0f, 0.0f, 1.0f);
    int bands = loops;
    if (inner == 0) {
        // The innermost loop is a fan round the centre.
        bands = loops - 1;
        glBegin(GL_TRIANGLE_FAN);
        if (quadric->textureCoords)
            glTexCoord2f(0.5f, 0.5f);
        glVertex3f(0.0f, 0.0f, 0.0f);
        for (int j = slices; j >= 0; --j)
            points.Vertex(radiusOf(bands), j);
        glEnd();
    }
    for (int loop = 0; loop < bands; ++loop) {
        glBegin(GL_QUAD_STRIP);
        for (int j = 0; j <= slices; ++j) {
            points.Vertex(radiusOf(loop), j);
            points.Vertex(radiusOf(loop + 1), j);
        }
        glEnd();
    }
}

} // namespace gl11
