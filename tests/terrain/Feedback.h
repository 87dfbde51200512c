// Records what a drawing call sends to OpenGL, through feedback mode: each primitive with its
// vertices' window positions and colours. Needs a current context.
#pragma once

#include "scene/Vec3.h"

#include <functional>
#include <vector>

struct FedVertex {
    float x, y, z;
    float r, g, b, a;
};

struct FedPrimitive {
    enum Kind { Polygon, Line, LineReset, Point, Other };
    Kind kind;
    std::vector<FedVertex> vertices;
};

// The primitives draw produces; empty with ok false if the buffer overflowed.
std::vector<FedPrimitive> Feedback(const std::function<void()>& draw, bool* ok = nullptr);

// Decodes the normal in effect at every fed-back vertex, in order, by drawing twice under
// lights along the positive and then the negative axes (one colour channel per axis).
// Leaves lighting off.
std::vector<Vec3> FedNormals(const std::function<void()>& draw);

// An orthographic view of the cube [-size, size]^3 onto a 64 x 64 viewport, identity modelview.
void LookAtCube(double size);

// Where LookAtCube (size) puts a point on the 64 x 64 viewport.
Vec3 WindowPosition(const Vec3& p, double size);

// Counts of the primitive kinds.
int CountKind(const std::vector<FedPrimitive>& fed, FedPrimitive::Kind kind);
