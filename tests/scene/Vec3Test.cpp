#include "scene/Vec3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
const double kNaN = std::numeric_limits<double>::quiet_NaN();
}

TEST(Vec3Normalize, ZeroVectorLeavesTheTargetAsItWas) {
    Vec3 held(1, 2, 3);
    held.SetNormalized(Vec3());
    EXPECT_EQ(held, Vec3(1, 2, 3));

    Vec3 fresh;
    fresh.SetNormalized(Vec3());
    EXPECT_EQ(fresh, Vec3(0, 0, 0));

    Vec3 zero;
    zero.Normalize();
    EXPECT_EQ(zero, Vec3(0, 0, 0));
}

TEST(Vec3Normalize, MultipliesByTheReciprocalOfTheLength) {
    Vec3 v(3, 0, 4);
    Vec3 n;
    n.SetNormalized(v);
    double inverse = 1.0 / 5.0;
    EXPECT_EQ(n, Vec3(3 * inverse, 0, 4 * inverse));
    EXPECT_NEAR(n.Length(), 1.0, 1e-15);
}

TEST(Vec3Compare, IsExactAndNaNNeverEqual) {
    EXPECT_TRUE(Vec3(1, 2, 3) == Vec3(1, 2, 3));
    EXPECT_FALSE(Vec3(1, 2, 3) == Vec3(1, 2, 3 + 1e-12));
    EXPECT_FALSE(Vec3(kNaN, 0, 0) == Vec3(kNaN, 0, 0));
}

TEST(Vec3Within, IncludesTheBoundaryAndRefusesNaN) {
    EXPECT_TRUE(Vec3(3, 4, 0).IsWithin(Vec3(), 5.0));
    EXPECT_FALSE(Vec3(3, 4, 0.001).IsWithin(Vec3(), 5.0));
    EXPECT_TRUE(Vec3(13, 14, 10).IsWithin(Vec3(10, 10, 10), 5.0));
    EXPECT_FALSE(Vec3(kNaN, 0, 0).IsWithin(Vec3(), 1e300));
    EXPECT_FALSE(Vec3().IsWithin(Vec3(), kNaN));
}

TEST(Vec3Products, CrossIsRightHanded) {
    EXPECT_EQ(Cross(Vec3(1, 0, 0), Vec3(0, 1, 0)), Vec3(0, 0, 1));
    EXPECT_EQ(Cross(Vec3(0, 1, 0), Vec3(0, 0, 1)), Vec3(1, 0, 0));
    EXPECT_EQ(Cross(Vec3(2, 3, 4), Vec3(5, 6, 7)),
              Vec3(3 * 7 - 4 * 6, 4 * 5 - 2 * 7, 2 * 6 - 3 * 5));
    EXPECT_EQ(Dot(Vec3(1, 2, 3), Vec3(4, -5, 6)), 12.0);
}

TEST(Vec3TriangleNormal, FacesTheViewerOfACounterClockwiseTriangle) {
    Vec3 out;
    TriangleNormal(Vec3(0, 0, 0), Vec3(1, 0, 0), Vec3(0, 1, 0), out);
    EXPECT_EQ(out, Vec3(0, 0, 1));
    TriangleNormal(Vec3(0, 1, 0), Vec3(1, 0, 0), Vec3(0, 0, 0), out);
    EXPECT_EQ(out, Vec3(0, 0, -1));
}

TEST(Vec3TriangleNormal, DegenerateTriangleKeepsThePreviousNormal) {
    Vec3 out(0.25, 0.5, 0.75);
    Vec3& result = TriangleNormal(Vec3(1, 1, 1), Vec3(2, 2, 2), Vec3(3, 3, 3), out);
    EXPECT_EQ(&result, &out);
    EXPECT_EQ(out, Vec3(0.25, 0.5, 0.75));
}
