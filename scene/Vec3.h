// A point or direction in world units. Exactly three doubles, so an array of them is a plain
// run of doubles that can be handed to OpenGL.
#pragma once

struct Vec3 {
    double x, y, z;

    Vec3() : x(0.0), y(0.0), z(0.0) {}
    explicit Vec3(double s) : x(s), y(s), z(s) {}
    Vec3(double x, double y, double z) : x(x), y(y), z(z) {}

    Vec3& operator+=(const Vec3& b) {
        x += b.x;
        y += b.y;
        z += b.z;
        return *this;
    }
    Vec3& operator-=(const Vec3& b) {
        x -= b.x;
        y -= b.y;
        z -= b.z;
        return *this;
    }

    double Length() const;
    // Sets this vector to v scaled to unit length. A zero v leaves this vector as it was.
    Vec3& SetNormalized(const Vec3& v);
    Vec3& Normalize() { return SetNormalized(*this); }
    // True when this point lies inside or on the sphere of radius r about p.
    bool IsWithin(const Vec3& p, double r) const;

    const double* Data() const { return &x; }
};

static_assert(sizeof(Vec3) == 3 * sizeof(double), "Vec3 must be three packed doubles");

inline Vec3 operator+(const Vec3& a, const Vec3& b) {
    return Vec3(a.x + b.x, a.y + b.y, a.z + b.z);
}
inline Vec3 operator-(const Vec3& a, const Vec3& b) {
    return Vec3(a.x - b.x, a.y - b.y, a.z - b.z);
}
inline Vec3 operator-(const Vec3& v) {
    return Vec3(-v.x, -v.y, -v.z);
}
inline Vec3 operator*(const Vec3& v, double s) {
    return Vec3(v.x * s, v.y * s, v.z * s);
}
inline Vec3 operator/(const Vec3& v, double s) {
    return Vec3(v.x / s, v.y / s, v.z / s);
}
// Exact comparison: no tolerance, and a NaN component never compares equal.
inline bool operator==(const Vec3& a, const Vec3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}
inline bool operator!=(const Vec3& a, const Vec3& b) {
    return !(a == b);
}

inline double Dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Cross(const Vec3& a, const Vec3& b) {
    return Vec3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

// Unit normal of the triangle p1, p2, p3 (counter-clockwise seen from the front faces the
// viewer). A degenerate triangle leaves out unchanged.
Vec3& TriangleNormal(const Vec3& p1, const Vec3& p2, const Vec3& p3, Vec3& out);
