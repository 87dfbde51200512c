#include "scene/Mat3.h"

#include "scene/Angles.h"

#include <cmath>

Mat3& Mat3::SetRotation(const Vec3& axis, double degrees) {
    Vec3 u = axis;
    if (!(u.Length() > 0.0001))
        return *this;
    u.Normalize();
    double x = u.x, y = u.y, z = u.z;
    double theta = degrees * kDegreesToRadians;
    double c = std::cos(theta);
    double s = std::sin(theta);
    double t = 1.0 - c;
    row[0] = Vec3(t * x * x + c, t * x * y - s * z, t * x * z + s * y);
    row[1] = Vec3(t * x * y + s * z, t * y * y + c, t * y * z - s * x);
    row[2] = Vec3(t * x * z - s * y, t * y * z + s * x, t * z * z + c);
    return *this;
}
