// A sphere round the z axis: slices round it, stacks from the top (+z) down, seen from outside.
#include "gl11/glu/Quadric.h"

#include <algorithm>
#include <cmath>

namespace gl11 {

namespace {

// One circle of latitude: its direction from the centre as seen from the axis, and where it
// lies at the sphere's radius. Its radius and height are scaled in double precision.
struct Ring {
    float sine = 0; // of the angle from the top pole
    float cosine = 0;
    float radius = 0; // distance from the axis
    float z = 0;
};

struct SpherePoints {
    const GLUquadric& quadric;
    const SliceCircle& circle;
    const Ring* rings; // from the top pole down
    int slices;
    int stacks;

    // The point of ring i in slice j, with what goes with it. The normal is that of slice
    // normalSlice, which is j except at the centre of the bottom fan.
    void Vertex(int i, int j, int normalSlice) const {
        Normal(i, normalSlice);
        Point(i, j);
    }
    void Normal(int i, int normalSlice) const {
        const Ring& ring = rings[i];
        if (quadric.normals != GLU_NONE)
            glNormal3f(circle.sine[normalSlice] * ring.sine, circle.cosine[normalSlice] * ring.sine,
                       ring.cosine);
    }
    // The point without its normal.
    void Point(int i, int j) const {
        const Ring& ring = rings[i];
        if (quadric.textureCoords)
            glTexCoord2f(1.0f - static_cast<float>(j) / static_cast<float>(slices),
                         1.0f - static_cast<float>(i) / static_cast<float>(stacks));
        glVertex3f(circle.sine[j] * ring.radius, circle.cosine[j] * ring.radius, ring.z);
    }

    // The band between rings i and i + 1, as one strip going round.
    void Band(int i) const {
        glBegin(GL_QUAD_STRIP);
        for (int j = 0; j <= slices; ++j) {
            Vertex(i + 1, j, j);
            Vertex(i, j, j);
        }
        glEnd();
    }
};

} // namespace

void gluSphere(GLUquadric* quadric, GLdouble radius, GLint slices, GLint stacks) {
    if (!quadric || slices < 2 || stacks < 1 || !(radius >= 0))
        return;
    slices = std::min(slices, kMaxQuadricSegments);
    stacks = std::min(stacks, kMaxQuadricSegments);
    const SliceCircle circle(slices);
    Ring rings[kMaxQuadricSegments + 1];
    for (int i = 0; i <= stacks; ++i) {
        const SineCosine phi(kPi * i / stacks);
        Ring& ring = rings[i];
        ring.sine = phi.sine;
        ring.cosine = phi.cosine;
        ring.radius = static_cast<float>(radius * std::sin(phi.angle));
        ring.z = static_cast<float>(radius * std::cos(phi.angle));
    }
    // The poles lie exactly on the axis, whatever the sine of a half turn comes to.
    rings[stacks].radius = 0.0f;
    const SpherePoints points{*quadric, circle, rings, slices, stacks};
    if (quadric->textureCoords) {
        // Texture coordinates change along a pole, so the poles are bands of their own.
        for (int i = 0; i < stacks; ++i)
            points.Band(i);
        return;
    }
    // Fans round the poles, each turning so that it faces outwards, then the bands between. A
    // pole's normal is given before its fan begins.
    points.Normal(0, 0);
    glBegin(GL_TRIANGLE_FAN);
    points.Point(0, 0);
    for (int j = slices; j >= 0; --j)
        points.Vertex(1, j, j);
    glEnd();
    // The bottom pole's normal leans, by the sine of a half turn, towards the slice numbered
    // like the stack count (none past the last slice): the system's GLU draws it so.
    points.Normal(stacks, stacks);
    glBegin(GL_TRIANGLE_FAN);
    points.Point(stacks, 0);
    for (int j = 0; j <= slices; ++j)
        points.Vertex(stacks - 1, j, j);
    glEnd();
    for (int i = 1; i + 1 < stacks; ++i)
        points.Band(i);
}

} // namespace gl11
