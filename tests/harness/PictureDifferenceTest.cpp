#include "tests/harness/PictureDifference.h"

#include <gtest/gtest.h>

namespace {
Picture Grey(int width, int height, unsigned char level) {
    Picture p;
    p.width = width;
    p.height = height;
    p.rgb.assign(static_cast<size_t>(width) * height * 3, level);
    return p;
}

void Set(Picture& p, int x, int y, unsigned char level) {
    const size_t i = (static_cast<size_t>(y) * p.width + x) * 3;
    p.rgb[i] = p.rgb[i + 1] = p.rgb[i + 2] = level;
}
} // namespace

TEST(PictureDifferenceTest, CountsAgreementAndTheLargestTouchingPatch) {
    const Picture a = Grey(10, 10, 100);
    Picture b = Grey(10, 10, 102); // within 2 everywhere
    PictureDifference d = ComparePictures(a, b, 2);
    EXPECT_TRUE(d.sameSize);
    EXPECT_EQ(d.agreeing, 1.0);
    EXPECT_EQ(d.largestPatch, 0);
    EXPECT_EQ(d.worst, 2);

    // A diagonal line of 4 touches corner to corner: one patch; a lone pixel is another.
    for (int i = 0; i < 4; ++i)
        Set(b, i, i, 110);
    Set(b, 9, 0, 0);
    Picture map;
    d = ComparePictures(a, b, 2, &map);
    EXPECT_EQ(d.agreeing, 0.95);
    EXPECT_EQ(d.largestPatch, 4);
    EXPECT_EQ(d.worst, 100);
    EXPECT_EQ(map.rgb[0], 255); // beyond: red
    EXPECT_EQ(map.rgb[1], 0);
    EXPECT_EQ(map.rgb[3 * 1 + 1], 40); // 2 levels apart: grey

    // A single channel decides too, and pictures of other sizes do not compare.
    b = a;
    b.rgb[3 * 55 + 2] = 97;
    EXPECT_EQ(ComparePictures(a, b, 2).largestPatch, 1);
    EXPECT_FALSE(ComparePictures(a, Grey(10, 9, 100), 2).sameSize);
}
