// 4x4 single-precision matrices stored by columns, as OpenGL stores them, with the products
// OpenGL 1.1 defines for its matrix calls. Everything is float, summed in index order.
#pragma once

namespace gl11 {

struct Mat4 {
    float m[16];

    static Mat4 Identity();
    // this * other: what a matrix call does to the current matrix.
    Mat4 operator*(const Mat4& other) const;
    bool operator==(const Mat4& other) const;
    bool operator!=(const Mat4& other) const { return !(*this == other); }
};

Mat4 Rotation(float degrees, float x, float y, float z);
Mat4 Translation(float x, float y, float z);
Mat4 Scaling(float x, float y, float z);
Mat4 Frustum(float left, float right, float bottom, float top, float zNear, float zFar);
Mat4 Ortho(float left, float right, float bottom, float top, float zNear, float zFar);

// m * (x, y, z, w).
void Transform(const Mat4& m, const float in[4], float out[4]);
// The upper 3x3 of m times (x, y, z): how a spot direction reaches eye coordinates.
void TransformDirection(const Mat4& m, const float in[3], float out[3]);
// The transposed inverse of m's upper 3x3, by columns: what takes normals to eye coordinates.
// A singular matrix gives zeros.
void NormalMatrix(const Mat4& m, float out[9]);

} // namespace gl11
