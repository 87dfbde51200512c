// Mipmapped textures from images, in a real OpenGL context.
#include "tests/support/ImageTestFiles.h"

#include "framework/ImageTexture.h"
#include "platform/Win32.h"
#include "tests/support/TestContext.h"

namespace {

TEST(ImageTextureBgra, FromExtensionOrVersion) {
    EXPECT_FALSE(BgraFromStrings("GL_ARB_multitexture", "1.1.0"));
    EXPECT_TRUE(BgraFromStrings("GL_ARB_multitexture GL_EXT_bgra", "1.1.0"));
    EXPECT_TRUE(BgraFromStrings(nullptr, "1.2"));
    EXPECT_TRUE(BgraFromStrings("", "4.5 (Compatibility Profile) Mesa"));
    EXPECT_FALSE(BgraFromStrings("", "1.1999999"));
    EXPECT_FALSE(BgraFromStrings("", "OpenGL ES 2.0"));
    EXPECT_FALSE(BgraFromStrings(nullptr, nullptr));
}

class ImageTexture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(context.Ok());
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
    }
    void TearDown() override {
        glDeleteTextures(1, &texture);
        // Back to what this implementation answers.
        SetBgraSupported(BgraFromStrings(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)),
                                         reinterpret_cast<const char*>(glGetString(GL_VERSION))));
    }

    GLint Level(int level, GLenum what) {
        GLint value = -1;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, what, &value);
        return value;
    }

    Bytes Texels(GLenum format, int count) {
        Bytes texels(static_cast<size_t>(count));
        glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, texels.data());
        return texels;
    }

    // 8 x 4 BGR with rows padded as asked; each byte tells its position.
    Image Pattern(int padding) {
        Image image;
        EXPECT_TRUE(image.extra->Allocate(8, 4, PixelFormat::BGR, padding));
        for (int i = 0; i < image.extra->size; ++i)
            image.extra->pixels[i] = static_cast<std::uint8_t>(i * 5 + 1);
        return image;
    }

    // The pattern as red, green, blue texels, without padding.
    Bytes PatternAsRgb(const Image& image) {
        Bytes rgb;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x) {
                const std::uint8_t* p = image.Row(y) + 3 * x;
                rgb.insert(rgb.end(), {p[2], p[1], p[0]});
            }
        return rgb;
    }

    TestContext context;
    GLuint texture = 0;
};

TEST_F(ImageTexture, FillsEveryMipmapLevel) {
    const Image image = Pattern(0);
    ASSERT_EQ(image.BuildTexture(), 0);
    const int sizes[][2] = {{8, 4}, {4, 2}, {2, 1}, {1, 1}};
    for (int level = 0; level < 4; ++level) {
        EXPECT_EQ(Level(level, GL_TEXTURE_WIDTH), sizes[level][0]) << level;
        EXPECT_EQ(Level(level, GL_TEXTURE_HEIGHT), sizes[level][1]) << level;
    }
    EXPECT_EQ(Texels(GL_RGB, 8 * 4 * 3), PatternAsRgb(image));
    EXPECT_EQ(image.extra->format, PixelFormat::BGR); // the image itself is not changed
}

TEST_F(ImageTexture, PaddedRowsAndMissingBgraGiveTheSameTexels) {
    const Image padded = Pattern(4);
    ASSERT_EQ(padded.BuildTexture(), 0);
    EXPECT_EQ(Texels(GL_RGB, 8 * 4 * 3), PatternAsRgb(padded));
    EXPECT_EQ(padded.extra->stride, 28);

    SetBgraSupported(false); // as an OpenGL 1.1 without the extension would answer
    ASSERT_EQ(padded.BuildTexture(), 0);
    EXPECT_EQ(Texels(GL_RGB, 8 * 4 * 3), PatternAsRgb(padded));
    const Image plain = Pattern(0);
    ASSERT_EQ(plain.BuildTexture(), 0);
    EXPECT_EQ(Texels(GL_RGB, 8 * 4 * 3), PatternAsRgb(plain));
}

TEST_F(ImageTexture, GreyAndAlphaFormats) {
    Image image;
    ASSERT_TRUE(image.extra->Allocate(2, 2, PixelFormat::LUMINANCE_ALPHA, 0));
    const Bytes la = {10, 20, 30, 40, 50, 60, 70, 80};
    std::copy(la.begin(), la.end(), image.extra->pixels);
    ASSERT_EQ(image.BuildTexture(), 0);
    EXPECT_EQ(Texels(GL_LUMINANCE_ALPHA, 8), la);

    ASSERT_TRUE(image.extra->Allocate(2, 1, PixelFormat::ALPHA, 0));
    image.extra->pixels[0] = 9;
    image.extra->pixels[1] = 200;
    ASSERT_EQ(image.BuildTexture(), 0);
    EXPECT_EQ(Level(0, GL_TEXTURE_INTERNAL_FORMAT), GL_ALPHA);
    EXPECT_EQ(Texels(GL_ALPHA, 2), (Bytes{9, 200}));
}

TEST_F(ImageTexture, UnpackStateIsPutBack) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 7);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 2);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 1);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_TRUE);
    const Image image = Pattern(0);
    ASSERT_EQ(image.BuildTexture(), 0);
    EXPECT_EQ(Texels(GL_RGB, 8 * 4 * 3), PatternAsRgb(image)); // uploaded with none of it
    const GLenum names[] = {GL_UNPACK_ALIGNMENT, GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_PIXELS,
                            GL_UNPACK_SKIP_ROWS, GL_UNPACK_SWAP_BYTES};
    const GLint expected[] = {4, 7, 2, 1, GL_TRUE};
    for (int i = 0; i < 5; ++i) {
        GLint value = -1;
        glGetIntegerv(names[i], &value);
        EXPECT_EQ(value, expected[i]) << i;
    }
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
}

TEST_F(ImageTexture, EmptyOrUnknownImagesGiveInvalidValue) {
    Image empty;
    EXPECT_EQ(empty.BuildTexture(), GLU_INVALID_VALUE);
    EXPECT_EQ(GLU_INVALID_VALUE, 100901);
    Image odd = Pattern(0);
    odd.extra->format = static_cast<PixelFormat>(7);
    EXPECT_EQ(odd.BuildTexture(), GLU_INVALID_VALUE);
    SetBgraSupported(false);
    EXPECT_EQ(odd.BuildTexture(), GLU_INVALID_VALUE);
    EXPECT_EQ(Level(0, GL_TEXTURE_WIDTH), 0); // the texture got no image
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4);
}

} // namespace
