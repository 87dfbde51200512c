// What a quadric keeps, and the circle of slice directions that spheres and disks share.
#pragma once

#include "gl11/glu/GluGl.h"

namespace gl11 {

struct GLUquadric {
    GLenum normals = GLU_SMOOTH;
    bool textureCoords = false;
};

// The sines and cosines of slices equal steps round a full turn, with the start repeated at
// the end, so that the last slice closes exactly on the first. Entries past that are zero.
struct SliceCircle {
    explicit SliceCircle(int slices);
    float sine[kMaxQuadricSegments + 1] = {};
    float cosine[kMaxQuadricSegments + 1] = {};
};

constexpr double kPi = 3.14159265358979323846;

// An angle is kept in single precision; its sine and cosine are taken in double precision and
// kept in single precision again.
struct SineCosine {
    explicit SineCosine(double angle);
    double angle; // as kept
    float sine;
    float cosine;
};

// Says that a GLU call asked for something this GLU does not do; a debug build stops there.
void ReportUnsupported(const char* what);

} // namespace gl11
