#include "scene/OrientedBox.h"

#include "platform/Win32.h"
#include "scene/Mat3.h"

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
    const Vec3* c = corners;
    TriangleNormal(c[5], c[3], c[2], normals[PlusZ]);
    TriangleNormal(c[6], c[2], c[1], normals[PlusX]);
    TriangleNormal(c[7], c[1], c[0], normals[MinusZ]);
    TriangleNormal(c[4], c[0], c[3], normals[MinusX]);
    TriangleNormal(c[4], c[5], c[6], normals[Top]);
    TriangleNormal(c[0], c[1], c[2], normals[Bottom]);
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

namespace {
void Quad(const Vec3& normal, const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d) {
    glBegin(GL_QUADS);
    glNormal3d(normal.x, normal.y, normal.z);
    glVertex3d(a.x, a.y, a.z);
    glVertex3d(b.x, b.y, b.z);
    glVertex3d(c.x, c.y, c.z);
    glVertex3d(d.x, d.y, d.z);
    glEnd();
}
} // namespace

void OrientedBox::Draw() const {
    const Vec3* c = corners;
    glColor3fv(colour.Data());
    glPushMatrix();
    Quad(normals[Top], c[4], c[5], c[6], c[7]);
    Quad(normals[MinusX], c[4], c[0], c[3], c[5]);
    Quad(normals[PlusZ], c[5], c[3], c[2], c[6]);
    Quad(normals[PlusX], c[6], c[2], c[1], c[7]);
    Quad(normals[MinusZ], c[4], c[7], c[1], c[0]);
    Quad(normals[Bottom], c[0], c[3], c[2], c[1]);
    glPopMatrix();
}
