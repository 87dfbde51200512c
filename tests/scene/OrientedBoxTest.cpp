#include "scene/OrientedBox.h"
#include "tests/scene/Vec3Checks.h"

#include <gtest/gtest.h>

namespace {
OrientedBox MastAt(const Vec3& base) {
    OrientedBox box(40, 2, Rgba::OpaqueWhite());
    box.SetPosition(base);
    return box;
}
} // namespace

TEST(OrientedBoxPlacement, FirstPlacementBuildsTheCornersAndNormals) {
    OrientedBox box = MastAt(Vec3(0, 0, 0));
    EXPECT_TRUE(box.cornersBuilt);
    EXPECT_EQ(box.corners[0], Vec3(-1, 0, -1));
    EXPECT_EQ(box.corners[5], Vec3(-1, 40, 1));
    EXPECT_EQ(box.corners[7], Vec3(1, 40, -1));
    EXPECT_EQ(box.BaseCentre(), Vec3(0, 0, 0));
    EXPECT_EQ(box.TopCentre(), Vec3(0, 40, 0));
    EXPECT_EQ(box.Normal(BoxFace::Top), Vec3(0, 1, 0));
    EXPECT_EQ(box.Normal(BoxFace::PlusZ), Vec3(0, 0, 1));
    EXPECT_EQ(box.Normal(BoxFace::PlusX), Vec3(1, 0, 0));
    EXPECT_EQ(box.Normal(BoxFace::MinusZ), Vec3(0, 0, -1));
    EXPECT_EQ(box.Normal(BoxFace::MinusX), Vec3(-1, 0, 0));
    EXPECT_EQ(box.Normal(BoxFace::Bottom), Vec3(0, -1, 0));
    EXPECT_EQ(box.SideAxis(), Vec3(0, 0, -1));
}

TEST(OrientedBoxPlacement, KeepsTheNormalsInTheOrderTheFacesAreDrawn) {
    // Top, -x, +z, +x, -z, bottom, as every box keeps them.
    OrientedBox box = MastAt(Vec3(0, 0, 0));
    EXPECT_EQ(box.normals[0], Vec3(0, 1, 0));
    EXPECT_EQ(box.normals[1], Vec3(-1, 0, 0));
    EXPECT_EQ(box.normals[2], Vec3(0, 0, 1));
    EXPECT_EQ(box.normals[3], Vec3(1, 0, 0));
    EXPECT_EQ(box.normals[4], Vec3(0, 0, -1));
    EXPECT_EQ(box.normals[5], Vec3(0, -1, 0));
}

TEST(OrientedBoxPlacement, LaterPlacementOnlyRecordsThePoint) {
    OrientedBox box = MastAt(Vec3(0, 10, 0));
    Vec3 before[8];
    std::copy(box.corners, box.corners + 8, before);
    box.SetPosition(Vec3(50, 60, 70));
    EXPECT_EQ(box.position, Vec3(50, 60, 70));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(box.corners[i], before[i]);
    EXPECT_EQ(box.Normal(BoxFace::Top), Vec3(0, 1, 0));
}

TEST(OrientedBoxRotation, ShortAxisCollapsesCornersOntoTheCentre) {
    OrientedBox box = MastAt(Vec3(0, 0, 0));
    Vec3 centre(3, 4, 5);
    box.RotateAbout(Vec3(0, 0.00001, 0), centre, 45);
    for (const Vec3& c : box.corners)
        EXPECT_EQ(c, centre);
}

TEST(OrientedBoxRotation, TiltThereAndBackRestoresTheBox) {
    OrientedBox box = MastAt(Vec3(5, 700, -3));
    Vec3 before[8];
    std::copy(box.corners, box.corners + 8, before);
    Vec3 side = box.SideAxis();
    box.TiltAboutSide(3);
    ExpectNear(box.SideAxis(), side, 1e-12);
    EXPECT_NE(box.corners[4], before[4]);
    box.TiltAboutSide(-3);
    for (int i = 0; i < 8; ++i)
        ExpectNear(box.corners[i], before[i]);
    ExpectNear(box.SideAxis(), side, 1e-12);
}

TEST(OrientedBoxRotation, TiltLeansTheTopAboutTheBottomEdgeAxis) {
    OrientedBox box = MastAt(Vec3(0, 0, 0));
    box.TiltAboutSide(90);
    // Side axis (0, 0, -1): a positive turn carries +y towards +x.
    ExpectNear(box.TopCentre(), Vec3(40, 0, 0), 0.02);
    ExpectNear(box.BaseCentre(), Vec3(0, 0, 0), 1e-12);
    ExpectNear(box.Normal(BoxFace::Top), Vec3(1, 0, 0), 1e-3);
}

TEST(OrientedBoxRotation, SwivelTurnsAboutTheStoredAxisThroughTheBase) {
    OrientedBox box = MastAt(Vec3(0, 0, 0));
    box.Swivel(90);
    // No axis stored yet: the zero matrix collapses the box onto its base centre.
    for (const Vec3& c : box.corners)
        EXPECT_EQ(c, Vec3(0, 0, 0));

    OrientedBox turned = MastAt(Vec3(1, 2, 3));
    turned.swivelAxis = Vec3(0, 1, 0);
    turned.Swivel(90);
    ExpectNear(turned.TopCentre(), Vec3(1, 42, 3), 1e-12);
    ExpectNear(turned.Normal(BoxFace::PlusX), Vec3(0, 0, -1), 1e-3);
    EXPECT_EQ(turned.position, Vec3(1, 2, 3));
}
