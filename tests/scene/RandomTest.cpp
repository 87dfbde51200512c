#include "scene/Random.h"

#include <gtest/gtest.h>

TEST(RandomSequence, MatchesTheLinearCongruentialRecurrence) {
    SeedRandom(0);
    EXPECT_EQ(NextRandom(), 38);
    EXPECT_EQ(NextRandom(), 7719);
    EXPECT_EQ(NextRandom(), 21238);
}

TEST(RandomSequence, StaysInFifteenBitsAndWrapsTheState) {
    // A seed near 2^32 makes the first step wrap; the result keeps only bits 16 to 30.
    SeedRandom(0xFFFFFFFFu);
    std::uint32_t state = 0xFFFFFFFFu * 214013u + 2531011u;
    EXPECT_EQ(NextRandom(), static_cast<int>((state >> 16) & 0x7FFF));
    int highest = 0;
    for (int i = 0; i < 100000; ++i) {
        int v = NextRandom();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
        highest = v > highest ? v : highest;
    }
    EXPECT_GT(highest, 32000);
}
