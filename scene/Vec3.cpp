#include "scene/Vec3.h"

#include <cmath>

double Vec3::Length() const {
    return std::sqrt(x * x + y * y + z * z);
}

Vec3& Vec3::SetNormalized(const Vec3& v) {
    double length = v.Length();
    if (length == 0.0)
        return *this;
    double inverse = 1.0 / length;
    x = v.x * inverse;
    y = v.y * inverse;
    z = v.z * inverse;
    return *this;
}

bool Vec3::IsWithin(const Vec3& p, double r) const {
    double dx = x - p.x;
    double dy = y - p.y;
    double dz = z - p.z;
    return dx * dx + dy * dy + dz * dz <= r * r;
}

Vec3& TriangleNormal(const Vec3& p1, const Vec3& p2, const Vec3& p3, Vec3& out) {
    return out.SetNormalized(Cross(p3 - p2, p1 - p2));
}
