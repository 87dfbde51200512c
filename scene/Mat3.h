// A 3x3 matrix used to rotate points about an axis. It multiplies column vectors.
#pragma once

#include "scene/Vec3.h"

struct Mat3 {
    Vec3 row[3]; // all zeros by default, not the identity

    Vec3 Transform(const Vec3& v) const {
        return Vec3(Dot(row[0], v), Dot(row[1], v), Dot(row[2], v));
    }
    // Right-handed rotation by degrees about axis. An axis of length 0.0001 or less (or NaN)
    // leaves the matrix as it was.
    Mat3& SetRotation(const Vec3& axis, double degrees);
};

inline Vec3 operator*(const Mat3& m, const Vec3& v) {
    return m.Transform(v);
}
