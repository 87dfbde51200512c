// What reaches the framebuffer: OpenGL 1.1's point sizes, texture images read under the
// unpacking modes (BGR included), incomplete textures drawing untextured, and reading back
// under the packing modes.
#include "tests/gl11/core/EsWindow.h"

#include "gl11/Gl.h"

#include <gtest/gtest.h>

using namespace gl11;

namespace {
int LitPixels(EsWindow& window) {
    int lit = 0;
    const std::vector<std::uint8_t> pixels = window.Read();
    for (std::size_t i = 0; i < pixels.size(); i += 4)
        lit += pixels[i] != 0;
    return lit;
}

void FullQuad() {
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(-1, -1);
    glTexCoord2f(1, 0);
    glVertex2f(1, -1);
    glTexCoord2f(1, 1);
    glVertex2f(1, 1);
    glTexCoord2f(0, 1);
    glVertex2f(-1, 1);
    glEnd();
}

// The red, green and blue of the pixel at x, y.
std::vector<int> Pixel(const std::vector<std::uint8_t>& pixels, int width, int x, int y) {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 4;
    return {pixels[i], pixels[i + 1], pixels[i + 2]};
}
} // namespace

TEST(Pixels, PointSizesRoundAsOpenGl11RoundsThem) {
    EsWindow window(32, 32);
    REQUIRE_ES(window);
    const struct {
        float size;
        int pixels;
    } cases[] = {{0.1f, 1}, {1.0f, 1}, {1.5f, 1}, {1.6f, 4}, {2.1f, 4}, {2.5f, 4}, {2.6f, 9}};
    glColor3f(1, 1, 1);
    for (const auto& c : cases) {
        glClear(GL_COLOR_BUFFER_BIT);
        glPointSize(c.size);
        glBegin(GL_POINTS);
        glVertex2f(0.01f, 0.02f);
        glEnd();
        EXPECT_EQ(LitPixels(window), c.pixels) << "size " << c.size;
    }
}

TEST(Pixels, TextureImagesAreReadUnderTheUnpackingModes) {
    EsWindow window(32, 32);
    REQUIRE_ES(window);
    // Two rows of three BGR pixels, each row padded to 12 bytes; the image is the 2 x 2 block
    // that starts one pixel in.
    const unsigned char bgr[24] = {0, 0, 0, 10, 20, 30, 40,  50,  60,  0, 0, 0,
                                   0, 0, 0, 70, 80, 90, 100, 110, 120, 0, 0, 0};
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 3);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE, bgr);
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    FullQuad();
    const std::vector<std::uint8_t> pixels = window.Read();
    EXPECT_EQ(Pixel(pixels, 32, 4, 4), (std::vector<int>{30, 20, 10}));
    EXPECT_EQ(Pixel(pixels, 32, 28, 4), (std::vector<int>{60, 50, 40}));
    EXPECT_EQ(Pixel(pixels, 32, 4, 28), (std::vector<int>{90, 80, 70}));
    EXPECT_EQ(Pixel(pixels, 32, 28, 28), (std::vector<int>{120, 110, 100}));
    GLint swap = -1;
    glGetIntegerv(GL_UNPACK_SWAP_BYTES, &swap);
    EXPECT_EQ(swap, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(Pixels, AnIncompleteTextureDrawsUntextured) {
    EsWindow window(16, 16);
    REQUIRE_ES(window);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    const unsigned char grey[4 * 4 * 3] = {};
    glTexImage2D(GL_TEXTURE_2D, 0, 3, 4, 4, 0, GL_RGB, GL_UNSIGNED_BYTE, grey);
    glEnable(GL_TEXTURE_2D);
    glColor3f(0, 1, 0);
    // Levels 1 and 2 are missing: the quad keeps its colour.
    FullQuad();
    EXPECT_EQ(Pixel(window.Read(), 16, 8, 8), (std::vector<int>{0, 255, 0}));
    // With every level the black texture modulates it away.
    glTexImage2D(GL_TEXTURE_2D, 1, 3, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, grey);
    glTexImage2D(GL_TEXTURE_2D, 2, 3, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, grey);
    FullQuad();
    EXPECT_EQ(Pixel(window.Read(), 16, 8, 8), (std::vector<int>{0, 0, 0}));
}

TEST(Pixels, ReadPixelsWritesUnderThePackingModes) {
    EsWindow window(8, 8);
    REQUIRE_ES(window);
    glClearColor(0.2f, 0.4f, 0.6f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    // Three RGB pixels a row, rows padded to 12 bytes, after one skipped row; the bytes past
    // the rectangle stay as they were.
    std::vector<unsigned char> out(12 * 3 + 4, 7);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_SKIP_ROWS, 1);
    glReadPixels(0, 0, 3, 2, GL_RGB, GL_UNSIGNED_BYTE, out.data());
    EXPECT_EQ(out[0], 7);
    EXPECT_EQ(out[12], 51);
    EXPECT_EQ(out[13], 102);
    EXPECT_EQ(out[14], 153);
    EXPECT_EQ(out[21], 7);
    EXPECT_EQ(out[24], 51);
    EXPECT_EQ(out[36], 7);
    // Luminance is the sum of the colours, clamped.
    unsigned char luminance = 0;
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glReadPixels(0, 0, 1, 1, GL_LUMINANCE, GL_UNSIGNED_BYTE, &luminance);
    EXPECT_EQ(luminance, 255);
}
