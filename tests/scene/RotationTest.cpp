#include "scene/Angles.h"
#include "scene/Mat3.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
void ExpectSameMatrix(const Mat3& a, const Mat3& b) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(a.row[i], b.row[i]) << "row " << i;
    }
}
} // namespace

TEST(RotationAngleFactors, TakePiAsThreePointOneFourTwo) {
    EXPECT_EQ(kDegreesToRadians, 3.142 / 180.0);
    EXPECT_EQ(kRadiansToDegrees, 180.0 / 3.142);
    EXPECT_NE(kDegreesToRadians, std::acos(-1.0) / 180.0);
}

TEST(RotationMatrix, DefaultMatrixIsZeroAndMapsToOrigin) {
    Mat3 m;
    EXPECT_EQ(m.Transform(Vec3(3, 4, 5)), Vec3(0, 0, 0));
}

TEST(RotationMatrix, ShortAxisLeavesTheMatrixUntouched) {
    Mat3 fresh;
    fresh.SetRotation(Vec3(0, 0.00005, 0), 90);
    ExpectSameMatrix(fresh, Mat3());

    Mat3 reused;
    reused.SetRotation(Vec3(1, 0, 0), 30);
    Mat3 before = reused;
    reused.SetRotation(Vec3(0, 0.0001, 0), 90);
    ExpectSameMatrix(reused, before);

    reused.SetRotation(Vec3(NAN, 0, 0), 90);
    ExpectSameMatrix(reused, before);
}

TEST(RotationMatrix, AxisLengthDoesNotMatter) {
    Mat3 a, b;
    a.SetRotation(Vec3(0, 2, 0), 90);
    b.SetRotation(Vec3(0, 1, 0), 90);
    ExpectSameMatrix(a, b);
}

TEST(RotationMatrix, HalfTurnIsNotExactBecausePiIsApproximate) {
    Mat3 m;
    m.SetRotation(Vec3(0, 0, 1), 180);
    EXPECT_NE(m.row[0].x, -1.0);
    EXPECT_NE(m.row[1].y, -1.0);
    EXPECT_EQ(m.row[0].x, std::cos(3.142));
    EXPECT_EQ(m.row[2].z, 1.0);
    EXPECT_NEAR(m.row[0].y, -std::sin(3.142), 1e-18);
}

TEST(RotationMatrix, PositiveAngleTurnsCounterClockwiseAboutTheAxis) {
    Mat3 m;
    m.SetRotation(Vec3(0, 0, 1), 90);
    Vec3 v = m * Vec3(1, 0, 0);
    EXPECT_NEAR(v.x, 0.0, 1e-3);
    EXPECT_NEAR(v.y, 1.0, 1e-6);
    m.SetRotation(Vec3(0, 1, 0), 90);
    v = m * Vec3(1, 0, 0);
    EXPECT_NEAR(v.z, -1.0, 1e-6);
}

TEST(RotationMatrix, IsOrthonormalForAnyAxis) {
    Mat3 m;
    m.SetRotation(Vec3(1, -2, 0.5), 37);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(m.row[i].Length(), 1.0, 1e-12);
        for (int j = i + 1; j < 3; ++j)
            EXPECT_NEAR(Dot(m.row[i], m.row[j]), 0.0, 1e-12);
    }
    // The axis is left in place.
    Vec3 axis = Vec3(1, -2, 0.5);
    Vec3 turned = m * axis;
    EXPECT_NEAR((turned - axis).Length(), 0.0, 1e-12);
}
