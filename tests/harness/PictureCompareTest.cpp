#include "tests/harness/PictureCompare.h"

#include <gtest/gtest.h>

namespace {
Picture Flat(int width, int height, unsigned char value) {
    Picture p;
    p.width = width;
    p.height = height;
    p.rgb.assign(static_cast<size_t>(width) * height * 3, value);
    return p;
}
} // namespace

// Four pixels off by 0, 4 (the tolerance), 5 and 200 in one channel each: half are close.
TEST(PictureCompareTest, CountsPixelsWithinTheToleranceInEveryChannel) {
    Picture a = Flat(2, 2, 100);
    Picture b = a;
    b.rgb[3 + 1] += 4;
    b.rgb[6 + 2] -= 5;
    b.rgb[9 + 0] += 155;
    b.rgb[9 + 1] -= 100;
    Picture difference;
    Closeness c = Compare(a, b, 4, &difference);
    ASSERT_TRUE(c.sameSize);
    EXPECT_DOUBLE_EQ(c.shareWithin, 0.5);
    EXPECT_EQ(c.largest, 155);
    const std::vector<unsigned char> expected = {25, 25, 25, 25, 25, 25, 255, 0, 255, 255, 0, 255};
    EXPECT_EQ(difference.rgb, expected);
    EXPECT_DOUBLE_EQ(Compare(a, a, 0, nullptr).shareWithin, 1.0);
}

TEST(PictureCompareTest, PicturesOfDifferentSizesAreNotCompared) {
    EXPECT_FALSE(Compare(Flat(2, 3, 0), Flat(3, 2, 0), 4, nullptr).sameSize);
    EXPECT_FALSE(Compare(Flat(2, 2, 0), Flat(2, 3, 0), 4, nullptr).sameSize);
}
