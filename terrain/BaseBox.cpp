#include "terrain/BaseBox.h"

#include "platform/Win32.h"

namespace {
struct Face {
    double normal[3];
    int corners[4];
};
// Counter-clockwise from outside.
const Face faces[6] = {
    {{0, 1, 0}, {0, 1, 2, 3}}, {{-1, 0, 0}, {0, 4, 7, 1}}, {{0, 0, 1}, {1, 7, 6, 2}},
    {{1, 0, 0}, {2, 6, 5, 3}}, {{0, 0, -1}, {3, 5, 4, 0}}, {{0, -1, 0}, {4, 5, 6, 7}},
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
    for (const Face& face : faces) {
        glBegin(GL_QUADS);
        glNormal3dv(face.normal);
        for (int i : face.corners)
            glVertex3dv(corners[i].Data());
        glEnd();
    }
}
