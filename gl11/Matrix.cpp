#include "gl11/Matrix.h"

#include <cmath>
#include <cstring>

namespace gl11 {

Mat4 Mat4::Identity() {
    return {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
}

Mat4 Mat4::operator*(const Mat4& other) const {
    Mat4 r;
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            float sum = m[row] * other.m[col * 4];
            for (int k = 1; k < 4; ++k)
                sum += m[k * 4 + row] * other.m[col * 4 + k];
            r.m[col * 4 + row] = sum;
        }
    return r;
}

bool Mat4::operator==(const Mat4& other) const {
    return std::memcmp(m, other.m, sizeof m) == 0;
}

Mat4 Rotation(float degrees, float x, float y, float z) {
    const double radians = degrees * (3.14159265358979323846 / 180.0);
    const float s = static_cast<float>(std::sin(radians));
    const float c = static_cast<float>(std::cos(radians));
    Mat4 r = Mat4::Identity();
    // About a coordinate axis the other entries are exactly 0 and 1.
    if (y == 0 && z == 0 && x != 0) {
        const float sx = x > 0 ? s : -s;
        r.m[5] = c, r.m[6] = sx, r.m[9] = -sx, r.m[10] = c;
        return r;
    }
    if (x == 0 && z == 0 && y != 0) {
        const float sy = y > 0 ? s : -s;
        r.m[0] = c, r.m[2] = -sy, r.m[8] = sy, r.m[10] = c;
        return r;
    }
    if (x == 0 && y == 0 && z != 0) {
        const float sz = z > 0 ? s : -s;
        r.m[0] = c, r.m[1] = sz, r.m[4] = -sz, r.m[5] = c;
        return r;
    }
    const float length = std::sqrt(x * x + y * y + z * z);
    // No axis, no rotation.
    if (length == 0)
        return r;
    x /= length, y /= length, z /= length;
    const float t = 1 - c;
    r.m[0] = x * x * t + c;
    r.m[1] = y * x * t + z * s;
    r.m[2] = x * z * t - y * s;
    r.m[4] = x * y * t - z * s;
    r.m[5] = y * y * t + c;
    r.m[6] = y * z * t + x * s;
    r.m[8] = x * z * t + y * s;
    r.m[9] = y * z * t - x * s;
    r.m[10] = z * z * t + c;
    return r;
}

Mat4 Translation(float x, float y, float z) {
    Mat4 r = Mat4::Identity();
    r.m[12] = x, r.m[13] = y, r.m[14] = z;
    return r;
}

Mat4 Scaling(float x, float y, float z) {
    Mat4 r = Mat4::Identity();
    r.m[0] = x, r.m[5] = y, r.m[10] = z;
    return r;
}

Mat4 Frustum(float left, float right, float bottom, float top, float zNear, float zFar) {
    Mat4 r = {};
    r.m[0] = (2 * zNear) / (right - left);
    r.m[5] = (2 * zNear) / (top - bottom);
    r.m[8] = (right + left) / (right - left);
    r.m[9] = (top + bottom) / (top - bottom);
    r.m[10] = -(zFar + zNear) / (zFar - zNear);
    r.m[11] = -1;
    r.m[14] = -(2 * zFar * zNear) / (zFar - zNear);
    return r;
}

Mat4 Ortho(float left, float right, float bottom, float top, float zNear, float zFar) {
    Mat4 r = Mat4::Identity();
    r.m[0] = 2 / (right - left);
    r.m[5] = 2 / (top - bottom);
    r.m[10] = -2 / (zFar - zNear);
    r.m[12] = -(right + left) / (right - left);
    r.m[13] = -(top + bottom) / (top - bottom);
    r.m[14] = -(zFar + zNear) / (zFar - zNear);
    return r;
}

void Transform(const Mat4& m, const float in[4], float out[4]) {
    for (int row = 0; row < 4; ++row) {
        float sum = m.m[row] * in[0];
        for (int k = 1; k < 4; ++k)
            sum += m.m[k * 4 + row] * in[k];
        out[row] = sum;
    }
}

void TransformDirection(const Mat4& m, const float in[3], float out[3]) {
    for (int row = 0; row < 3; ++row)
        out[row] = m.m[row] * in[0] + m.m[4 + row] * in[1] + m.m[8 + row] * in[2];
}

void NormalMatrix(const Mat4& m, float out[9]) {
    // a(row, col) of the upper 3x3, in double: the inverse is rounded once, at the end.
    auto a = [&m](int row, int col) { return static_cast<double>(m.m[col * 4 + row]); };
    const double cof[3][3] = {
        {a(1, 1) * a(2, 2) - a(1, 2) * a(2, 1), a(1, 2) * a(2, 0) - a(1, 0) * a(2, 2),
         a(1, 0) * a(2, 1) - a(1, 1) * a(2, 0)},
        {a(0, 2) * a(2, 1) - a(0, 1) * a(2, 2), a(0, 0) * a(2, 2) - a(0, 2) * a(2, 0),
         a(0, 1) * a(2, 0) - a(0, 0) * a(2, 1)},
        {a(0, 1) * a(1, 2) - a(0, 2) * a(1, 1), a(0, 2) * a(1, 0) - a(0, 0) * a(1, 2),
         a(0, 0) * a(1, 1) - a(0, 1) * a(1, 0)},
    };
    const double det = a(0, 0) * cof[0][0] + a(0, 1) * cof[0][1] + a(0, 2) * cof[0][2];
    // The transposed inverse is the cofactor matrix over the determinant.
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            out[col * 3 + row] = det == 0 ? 0.0f : static_cast<float>(cof[row][col] / det);
}

} // namespace gl11
