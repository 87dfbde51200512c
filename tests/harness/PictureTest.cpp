#include "tests/harness/Picture.h"

#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {
void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
} // namespace

TEST(PictureTest, TurnsOpenGlRowsTopDownAndSurvivesAFile) {
    // Two rows of three pixels, bottom row first, padded to 16 bytes; alpha is dropped.
    std::vector<unsigned char> rgba(32, 0xEE);
    for (int row = 0; row < 2; ++row)
        for (int x = 0; x < 3; ++x)
            for (int c = 0; c < 4; ++c)
                rgba[row * 16 + x * 4 + c] = static_cast<unsigned char>(row * 100 + x * 10 + c);
    Picture picture = PictureFromGl(3, 2, rgba, 16);
    const std::vector<unsigned char> expected = {100, 101, 102, 110, 111, 112, 120, 121, 122,
                                                 0,   1,   2,   10,  11,  12,  20,  21,  22};
    EXPECT_EQ(picture.rgb, expected);

    std::string folder;
    ASSERT_TRUE(MakeScratchFolder("picture-test", folder));
    ASSERT_TRUE(WritePpm(folder + "/p.ppm", picture));
    Picture back;
    ASSERT_TRUE(ReadPpm(folder + "/p.ppm", back));
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.height, 2);
    EXPECT_EQ(back.rgb, expected);
}

TEST(PictureTest, RefusesWhatIsNotAWholePicture) {
    std::string folder;
    ASSERT_TRUE(MakeScratchFolder("picture-test", folder));
    const std::string pixel(3, 'a');
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"text picture", "P3\n1 1\n255\n1 2 3\n"},
        {"short of pixels", "P6\n2 1\n255\n" + pixel},
        {"bytes after the pixels", "P6\n1 1\n255\n" + pixel + "x"},
        {"sixteen-bit samples", "P6\n1 1\n65535\n" + pixel + pixel},
        {"huge size", "P6\n99999999 99999999\n255\n" + pixel},
        {"no size", "P6\n\n255\n" + pixel},
    };
    for (const auto& c : cases) {
        WriteBytes(folder + "/bad.ppm", c.bytes);
        Picture picture;
        EXPECT_FALSE(ReadPpm(folder + "/bad.ppm", picture)) << c.what;
    }
    Picture picture;
    EXPECT_FALSE(ReadPpm(folder + "/missing.ppm", picture));
    WriteBytes(folder + "/commented.ppm", "P6 # made by hand\n1 1 255\n" + pixel);
    EXPECT_TRUE(ReadPpm(folder + "/commented.ppm", picture));
}
