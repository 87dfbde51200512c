#include "scene/Rgba.h"

#include <gtest/gtest.h>

TEST(RgbaBytes, UseTheSinglePrecisionReciprocalOf255) {
    Rgba c = Rgba::FromBytes(255, 0, 128);
    EXPECT_EQ(c.r, 1.0f);
    EXPECT_EQ(c.g, 0.0f);
    EXPECT_NEAR(c.b, 0.50196, 1e-5);
    EXPECT_EQ(c.b, static_cast<float>(128 * 0.003921568859368563));
    EXPECT_EQ(c.a, 1.0f);
}

TEST(RgbaScaled, ForcesAlphaToOne) {
    Rgba c = Rgba::Scaled(Rgba(0.5f, 0.5f, 0.5f, 0.2f), 2.0);
    EXPECT_EQ(c.r, 1.0f);
    EXPECT_EQ(c.g, 1.0f);
    EXPECT_EQ(c.b, 1.0f);
    EXPECT_EQ(c.a, 1.0f);
}

TEST(RgbaData, IsFourContiguousFloatsRedFirst) {
    Rgba c;
    EXPECT_EQ(c.a, 0.0f);
    c.Set(0.1f, 0.2f, 0.3f, 0.4f);
    const float* d = c.Data();
    EXPECT_EQ(d[0], 0.1f);
    EXPECT_EQ(d[1], 0.2f);
    EXPECT_EQ(d[2], 0.3f);
    EXPECT_EQ(d[3], 0.4f);
    Rgba black = Rgba::OpaqueBlack(), white = Rgba::OpaqueWhite();
    EXPECT_EQ(black.r + black.g + black.b, 0.0f);
    EXPECT_EQ(black.a, 1.0f);
    EXPECT_EQ(white.r + white.g + white.b + white.a, 4.0f);
}
