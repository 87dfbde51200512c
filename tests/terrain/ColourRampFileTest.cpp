#include "terrain/ColourRamp.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/Wine.h"
#include "tests/terrain/PictureFiles.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
const double byteScale = 0.00392156862745098;

void ExpectBytes(const Rgba& c, int r, int g, int b) {
    EXPECT_EQ(c.r, static_cast<float>(r * byteScale));
    EXPECT_EQ(c.g, static_cast<float>(g * byteScale));
    EXPECT_EQ(c.b, static_cast<float>(b * byteScale));
    EXPECT_EQ(c.a, 1.0f);
}
} // namespace

TEST(ColourRampFile, TakesTheBottomRowOfATrueColourBitmap) {
    ScratchFolder folder;
    std::string path = folder.File("ramp.bmp");
    ASSERT_TRUE(WriteBmp24(
        path, {{{10, 20, 30}, {0, 0, 255}, {255, 255, 255}}, {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}}}));
    ColourRamp ramp(path.c_str());
    ASSERT_EQ(ramp.count, 3);
    ExpectBytes(ramp.colours[0], 30, 20, 10);
    ExpectBytes(ramp.colours[1], 255, 0, 0);
    ExpectBytes(ramp.colours[2], 255, 255, 255);
    EXPECT_EQ(ramp.minHeight, 700.0);
    EXPECT_EQ(ramp.maxHeight, 700.0);
}

TEST(ColourRampFile, TurnsAGreyBitmapIntoColoursWithoutReadingPastTheRow) {
    ScratchFolder folder;
    std::string path = folder.File("ramp.bmp");
    ASSERT_TRUE(WriteGreyBmp8(path, {{0, 64, 128, 200, 255}}));
    ColourRamp ramp(path.c_str());
    ASSERT_EQ(ramp.count, 5);
    ExpectBytes(ramp.colours[1], 64, 64, 64);
    ExpectBytes(ramp.colours[4], 255, 255, 255);
}

TEST(ColourRampFile, DropsTheAlphaOfATargaWithAlpha) {
    ScratchFolder folder;
    std::string path = folder.File("ramp.tga");
    ASSERT_TRUE(WriteTga32(path, {{10, 20, 30, 0, 40, 50, 60, 128}}));
    ColourRamp ramp(path.c_str());
    ASSERT_EQ(ramp.count, 2);
    ExpectBytes(ramp.colours[0], 30, 20, 10);
    ExpectBytes(ramp.colours[1], 60, 50, 40);
}

TEST(ColourRampFile, ByDefaultReadsTheMoonRampFromTheWorkingFolder) {
    ScratchFolder folder;
    ASSERT_TRUE(WriteBmp24(folder.File("1DTexture_Moon.bmp"), {{{1, 2, 3}, {4, 5, 6}}}));
    WorkingFolder here(folder.Path());
    ASSERT_TRUE(here.Ok());
    ColourRamp ramp;
    ASSERT_EQ(ramp.count, 2);
    ExpectBytes(ramp.colours[1], 6, 5, 4);
}

TEST(ColourRampFile, AMissingPictureLeavesNoColours) {
    ScratchFolder folder;
    WorkingFolder here(folder.Path());
    ASSERT_TRUE(here.Ok());
    ColourRamp missing;
    EXPECT_EQ(missing.count, 0);
}

TEST(ColourRampFile, ABrokenPictureLeavesNoColours) {
    if (UnderWine())
        GTEST_SKIP() << "Wine's bitmap loader reads a cut-off bitmap file as if the missing bytes "
                        "were zeros";
    ScratchFolder folder;
    std::string path = folder.File("1DTexture_Moon.bmp");
    ASSERT_TRUE(WriteBmp24(path, {{{1, 2, 3}}}));
    std::filesystem::resize_file(path, 40);
    ColourRamp broken(path.c_str());
    EXPECT_EQ(broken.count, 0);
    EXPECT_EQ(broken.Lookup(700).r, 1.0f);
}

TEST(ColourRampFile, TheBuildsMoonRampHasColours) {
    const char* data = std::getenv("MOONHOP_TEST_DATA");
    if (data == nullptr || !std::filesystem::exists(std::string(data) + "/1DTexture_Moon.bmp"))
        GTEST_SKIP() << "no painted ramp beside the build";
    WorkingFolder here(data);
    ASSERT_TRUE(here.Ok());
    ColourRamp ramp;
    EXPECT_GT(ramp.count, 1);
}
