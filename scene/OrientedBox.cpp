#include "scene/OrientedBox.h"

#include "platform/Win32.h"
#include "scene/Mat3.h"

namespace {
// Corners 0-3 are the bottom face and 4-7 the top one, which runs the other way round: corner 5
// stands above corner 3 and corner 7 above corner 1.
const NormalCorners kNormalCorners = {
    {4, 5, 6}, {4, 0, 3}, {5, 3, 2}, {6, 2, 1}, {7, 1, 0}, {0, 1, 2},
};
const FaceCorners kFaces = {
    {4, 5, 6, 7}, {4, 0, 3, 5}, {5, 3, 2, 6}, {6, 2, 1, 7}, {4, 7, 1, 0}, {0, 3, 2, 1},
};
} // namespace

OrientedBox::OrientedBox(double height, double width, const Rgba& colour)
    : height(height), width(width), colour(colour) {}

void OrientedBox::SetPosition(const Vec3& base) {
    position = base;
    if (!cornersBuilt) {
        double x = base.x, y = base.y, z = base.z;
        double h = height, w = width;
        corners[0] = Vec3(x - w / 2, y, z - w / 2);
        corners[1] = Vec3(x + w / 2, y, z - w / 2);
        corners[2] = Vec3(x + w / 2, y, z + w / 2);
        corners[3] = Vec3(x - w / 2, y, z + w / 2);
        corners[4] = Vec3(x - w / 2, y + h, z - w / 2);
        corners[5] = Vec3(x - w / 2, y + h, z + w / 2);
        corners[6] = Vec3(x + w / 2, y + h, z + w / 2);
        corners[7] = Vec3(x + w / 2, y + h, z - w / 2);
        cornersBuilt = true;
    }
    UpdateNormals();
}

void OrientedBox::UpdateNormals() {
    ComputeBoxNormals(corners, kNormalCorners, normals);
}

void OrientedBox::RotateAbout(const Vec3& axis, const Vec3& centre, double degrees) {
    Mat3 rotation;
    rotation.SetRotation(axis, degrees);
    for (Vec3& c : corners)
        c = rotation.Transform(c - centre) + centre;
    UpdateNormals();
}

Vec3 OrientedBox::SideAxis() const {
    Vec3 axis;
    return axis.SetNormalized(corners[1] - corners[2]);
}

Vec3 OrientedBox::BaseCentre() const {
    return (corners[0] + corners[3] + corners[2] + corners[1]) / 4;
}

Vec3 OrientedBox::TopCentre() const {
    return (corners[4] + corners[5] + corners[6] + corners[7]) / 4;
}

void OrientedBox::TiltAboutSide(double degrees) {
    Vec3 axis = SideAxis();
    Vec3 centre = BaseCentre();
    RotateAbout(axis, centre, degrees);
}

void OrientedBox::Swivel(double degrees) {
    RotateAbout(swivelAxis, BaseCentre(), degrees);
}

void OrientedBox::Translate(const Vec3& d) {
    for (Vec3& c : corners)
        c += d;
}

void OrientedBox::Draw() const {
    glColor3fv(colour.Data());
    glPushMatrix();
    DrawBoxFaces(corners, kFaces, normals);
    glPopMatrix();
}
