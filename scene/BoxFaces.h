// The six faces of the scene's boxes (the lander's body, its camera mast and head, the base
// boxes): one set of names for them, and one way to compute and draw them.
#pragma once

#include "scene/Vec3.h"

// A face is named after the way its outward normal points while its box stands as it was built,
// +y up, and keeps that name however the box turns. Listed in the order every box draws them,
// which is also the order every box keeps its face normals in.
enum class BoxFace { Top, MinusX, PlusZ, PlusX, MinusZ, Bottom };

constexpr int kBoxFaceCount = 6;

constexpr int FaceIndex(BoxFace face) {
    return static_cast<int>(face);
}

// For each face, the three corners whose TriangleNormal is that face's normal.
using NormalCorners = int[kBoxFaceCount][3];
// For each face, its four corners counter-clockwise seen from outside.
using FaceCorners = int[kBoxFaceCount][4];

// The faces of a box whose corners 0-3 are the top face, (-x,-z), (-x,+z), (+x,+z), (+x,-z),
// and 4-7 the bottom face, (-x,-z), (+x,-z), (+x,+z), (-x,+z): the lander's body and the base
// boxes.
extern const FaceCorners kTopFirstFaces;

// Recomputes every face's normal from the corners.
void ComputeBoxNormals(const Vec3* corners, const NormalCorners& from, Vec3* normals);

// Six separate GL_QUADS in drawing order, each with its face's normal ahead of its four
// corners. The corners are drawn as they are: no transformation of its own.
void DrawBoxFaces(const Vec3* corners, const FaceCorners& faces, const Vec3* normals);
