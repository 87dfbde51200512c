#include "terrain/BaseBox.h"

#include <gtest/gtest.h>

TEST(BaseBox, CornersSitAroundTheCentre) {
    BaseBox box(40, 80, 40);
    EXPECT_EQ(box.corners[0], Vec3(-20, 40, -20));
    EXPECT_EQ(box.corners[6], Vec3(20, -40, 20));
    EXPECT_EQ(box.corners[1], Vec3(-20, 40, 20));
    EXPECT_EQ(box.corners[5], Vec3(20, -40, -20));
}

TEST(BaseBox, StartsAtTheOriginUncoloured) {
    BaseBox box(55, 55, 55);
    EXPECT_EQ(box.position, Vec3(0, 0, 0));
    EXPECT_EQ(box.colour.a, 0.0f);
    EXPECT_EQ(box.width, 55.0);
}

TEST(BaseBox, RecomputesCornersFromNewExtents) {
    BaseBox box(60, 30, 30);
    box.width = 10;
    box.height = 4;
    box.depth = 2;
    box.ComputeCorners();
    EXPECT_EQ(box.corners[2], Vec3(5, 2, 1));
    EXPECT_EQ(box.corners[4], Vec3(-5, -2, -1));
}
