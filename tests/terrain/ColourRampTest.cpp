#include "terrain/ColourRamp.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
// A ramp with no picture, given colours by hand.
struct HandRamp : ColourRamp {
    explicit HandRamp(int n) : ColourRamp("no such ramp picture.bmp") {
        count = n;
        colours.resize(n);
        for (int i = 0; i < n; ++i)
            colours[i] = Rgba(i / 255.0f, 0.0f, 0.0f, 1.0f);
    }
    int Index(double h) const { return static_cast<int>(std::lround(Lookup(h).r * 255.0f)); }
};

void ExpectColour(const Rgba& c, float r, float g, float b, float a) {
    EXPECT_EQ(c.r, r);
    EXPECT_EQ(c.g, g);
    EXPECT_EQ(c.b, b);
    EXPECT_EQ(c.a, a);
}
} // namespace

TEST(ColourRampRange, StartsAtSevenHundredAndOnlyGrows) {
    HandRamp ramp(4);
    EXPECT_EQ(ramp.minHeight, 700.0);
    EXPECT_EQ(ramp.maxHeight, 700.0);
    ramp.Widen(690);
    ramp.Widen(720);
    ramp.Widen(700);
    EXPECT_EQ(ramp.minHeight, 690.0);
    EXPECT_EQ(ramp.maxHeight, 720.0);
    ramp.Widen(690);
    ramp.Widen(720);
    EXPECT_EQ(ramp.minHeight, 690.0);
    EXPECT_EQ(ramp.maxHeight, 720.0);
    ramp.Widen(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(ramp.minHeight, 690.0);
    EXPECT_EQ(ramp.maxHeight, 720.0);
}

TEST(ColourRampLookup, MapsTheRangeOntoTheColours) {
    HandRamp ramp(256);
    ramp.Widen(676.4571352980138);
    ramp.Widen(710.6662773140756);
    EXPECT_EQ(ramp.Index(676.4571352980138), 0);
    int top = ramp.Index(710.6662773140756);
    EXPECT_TRUE(top == 255 || top == 254) << top;
    EXPECT_EQ(ramp.Index((676.4571352980138 + 710.6662773140756) / 2), 127);
}

TEST(ColourRampLookup, GivesTheFirstColourOutsideTheRange) {
    HandRamp ramp(10);
    ramp.Widen(600);
    ramp.Widen(800);
    EXPECT_EQ(ramp.Index(800), 9);
    EXPECT_EQ(ramp.Index(823), 0); // index 10, past the table
    EXPECT_EQ(ramp.Index(1e300), 0);
    EXPECT_EQ(ramp.Index(599), 0);
    EXPECT_EQ(ramp.Index(-1e300), 0);
    EXPECT_EQ(ramp.Index(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(ramp.Index(std::numeric_limits<double>::infinity()), 0);
}

TEST(ColourRampLookup, JustBelowTheLowestHeightTruncatesToTheFirstColour) {
    HandRamp ramp(10);
    ramp.Widen(600);                 // range 600..700
    EXPECT_EQ(ramp.Index(599.5), 0); // -0.045 truncates toward zero
    EXPECT_EQ(ramp.Index(612), 1);
}

TEST(ColourRampLookup, WithAnEmptyRangeGivesTheFirstColour) {
    HandRamp ramp(5);
    EXPECT_EQ(ramp.Index(700), 0);
    EXPECT_EQ(ramp.Index(650), 0);
}

TEST(ColourRampLookup, WithoutAPictureGivesOpaqueWhite) {
    ColourRamp ramp("no such ramp picture.bmp");
    EXPECT_EQ(ramp.count, 0);
    EXPECT_TRUE(ramp.colours.empty());
    ExpectColour(ramp.Lookup(700), 1, 1, 1, 1);
    ramp.Widen(650);
    ExpectColour(ramp.Lookup(680), 1, 1, 1, 1);
}
