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
