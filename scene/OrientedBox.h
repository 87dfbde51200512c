// A solid box of square cross-section whose eight corners are kept in world coordinates, so it
// can be moved and turned by any rotation without a model matrix. The lander's camera mast and
// camera head are two of these.
#pragma once

#include "scene/BoxFaces.h"
#include "scene/Rgba.h"
#include "scene/Vec3.h"

class OrientedBox {
  public:
    OrientedBox(double height, double width, const Rgba& colour);

    // Records the base centre. The first call builds the corners around it; later calls only
    // record the point, since the owner moves the corners itself.
    void SetPosition(const Vec3& base);
    void UpdateNormals();
    // Turns every corner by degrees about axis through centre. position is left alone.
    void RotateAbout(const Vec3& axis, const Vec3& centre, double degrees);
    // Unit vector along the bottom edge from corner 2 to corner 1.
    Vec3 SideAxis() const;
    Vec3 BaseCentre() const;
    Vec3 TopCentre() const;
    // Tilts the box forwards or backwards about its side axis through the base centre.
    void TiltAboutSide(double degrees);
    // Turns the box about swivelAxis through the base centre.
    void Swivel(double degrees);
    void Draw() const;

    // Adds d to every corner.
    void Translate(const Vec3& d);

    const Vec3& Normal(BoxFace face) const { return normals[FaceIndex(face)]; }

    bool cornersBuilt = false;
    double height;
    double width;
    Rgba colour;
    Vec3 normals[kBoxFaceCount]; // by face
    Vec3 position;
    Vec3 swivelAxis; // the owner keeps this pointing along its own "up"
    Vec3 corners[8]; // 0-3 the bottom face, 4-7 the top face
};
