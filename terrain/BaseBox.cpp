#include "terrain/BaseBox.h"

#include "platform/Win32.h"
#include "scene/BoxFaces.h"

namespace {
// The box never turns, so its normals are the axes.
const Vec3 kNormals[kBoxFaceCount] = {
    Vec3(0, 1, 0), Vec3(-1, 0, 0), Vec3(0, 0, 1), Vec3(1, 0, 0), Vec3(0, 0, -1), Vec3(0, -1, 0),
};
} // namespace

BaseBox::BaseBox(double width, double height, double depth)
    : width(width), height(height), depth(depth) {
    ComputeCorners();
}

void BaseBox::ComputeCorners() {
    double a = width * 0.5;
    double b = height * 0.5;
    double c = depth * 0.5;
    corners[0] = Vec3(-a, b, -c);
    corners[1] = Vec3(-a, b, c);
    corners[2] = Vec3(a, b, c);
    corners[3] = Vec3(a, b, -c);
    corners[4] = Vec3(-a, -b, -c);
    corners[5] = Vec3(a, -b, -c);
    corners[6] = Vec3(a, -b, c);
    corners[7] = Vec3(-a, -b, c);
}

void BaseBox::Draw() {
    glColor4fv(colour.Data());
    glTranslated(position.x, position.y, position.z);
    DrawBoxFaces(corners, kTopFirstFaces, kNormals);
}
