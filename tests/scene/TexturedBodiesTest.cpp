#include "scene/LandingDisk.h"
#include "scene/Sphere.h"
#include "scene/StarSphere.h"

#include "tests/support/PictureBytes.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestContext.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// A fresh working folder for the test's lifetime: the bodies read their pictures by relative
// name.
class PictureFolder {
  public:
    PictureFolder() : here(folder.Path()) {}
    // Writes an uncompressed 24-bit bitmap of one colour.
    void WriteBitmap(const char* name, int size, unsigned char r, unsigned char g,
                     unsigned char b) {
        Bytes pixels;
        for (int i = 0; i < size * size; ++i)
            pixels.insert(pixels.end(), {b, g, r});
        ASSERT_TRUE(WriteBytes(
            name, Bmp(size, size, 24, {}, PadRows(pixels, static_cast<size_t>(size) * 3))));
    }
    bool Ok() const { return folder.Ok() && here.Ok(); }

  private:
    ScratchFolder folder{"moonhop-bodies-"};
    WorkingFolder here;
};

struct Pixel {
    int r, g, b;
};

Pixel ReadPixel(int x, int y) {
    unsigned char p[4] = {0, 0, 0, 0};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return Pixel{p[0], p[1], p[2]};
}

GLint Integer(GLenum what) {
    GLint v = -1;
    glGetIntegerv(what, &v);
    return v;
}

GLint LevelWidth(int level) {
    GLint width = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    return width;
}

const int kSize = 64;

class TexturedBodiesInContext : public ::testing::Test {
  protected:
    TexturedBodiesInContext() : ctx(kSize, kSize) {}
    void SetUp() override {
        ASSERT_TRUE(ctx.Ok());
        ASSERT_TRUE(folder.Ok());
        glViewport(0, 0, kSize, kSize);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    // Looks straight down the y axis at the x-z plane, 200 units across.
    void LookDown() {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-100, 100, -100, 100, -1000, 1000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotated(90, 1, 0, 0);
    }
    // From the centre of a sphere, looking along -z with a 90-degree view.
    void LookFromCentre() {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(-0.1, 0.1, -0.1, 0.1, 0.1, 20000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    TestContext ctx;
    PictureFolder folder;
};
} // namespace

TEST(TexturedBodiesWithoutContext, DrawBeforeCreateIsHarmless) {
    Sphere sphere;
    StarSphere stars;
    LandingDisk disk;
    sphere.Draw(); // no context and no quadric: nothing may reach OpenGL
    stars.Draw();
    disk.Draw();
    EXPECT_EQ(sphere.quadric, nullptr);
}

TEST(TexturedBodiesWithoutContext, CreateNeedsNoContextAndCanBeRepeated) {
    LandingDisk disk;
    disk.Create(70.0f, 70, 70, true);
    ASSERT_NE(disk.quadric, nullptr);
    disk.Create(35.0f, 10, 4, true); // the first quadric is released, not leaked
    EXPECT_NE(disk.quadric, nullptr);
    EXPECT_EQ(disk.radius, 35.0f);
    EXPECT_EQ(disk.stacks, 4);
}

TEST(TexturedBodiesWithoutContext, LoadTextureWithoutAContextLeavesNoTextureName) {
    PictureFolder folder; // no picture: nothing reaches OpenGL but the name and the binding
    ASSERT_TRUE(folder.Ok());
    LandingDisk disk;
    {
        TestContext ctx;
        ASSERT_TRUE(ctx.Ok());
        disk.LoadTexture();
        ASSERT_NE(disk.texture, 0u);
    }
    ASSERT_EQ(wglGetCurrentContext(), nullptr);
    disk.LoadTexture();
    EXPECT_EQ(disk.texture, 0u); // not the name of a context that is gone
}

TEST_F(TexturedBodiesInContext, LoadTextureLeavesTheNewTextureBoundWithMipmapFiltering) {
    folder.WriteBitmap("StarSphere.bmp", 8, 255, 0, 0);
    StarSphere stars;
    stars.LoadTexture();
    EXPECT_NE(stars.texture, 0u);
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(stars.texture));
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR_MIPMAP_LINEAR);
    GLint magnify = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magnify);
    EXPECT_EQ(magnify, GL_LINEAR);
    EXPECT_EQ(LevelWidth(0), 8);
    EXPECT_EQ(LevelWidth(3), 1);       // every mipmap level down to one pixel
    EXPECT_EQ(stars.image.Width(), 0); // the pixels are freed at once
}

TEST_F(TexturedBodiesInContext, MissingPictureLeavesAnEmptyBoundTexture) {
    LandingDisk disk;
    disk.LoadTexture();
    EXPECT_NE(disk.texture, 0u);
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(disk.texture));
    EXPECT_EQ(LevelWidth(0), 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TexturedBodiesInContext, StarSphereDrawLeavesLightingAndCullingOnAndTexturingOff) {
    StarSphere stars;
    stars.Create(10000, 25, 25, true);
    stars.LoadTexture();
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    LookFromCentre();
    stars.Draw();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(Integer(GL_MODELVIEW_STACK_DEPTH), 1);
}

TEST_F(TexturedBodiesInContext, StarSphereShowsItsPictureUnlitFromInside) {
    folder.WriteBitmap("StarSphere.bmp", 8, 255, 0, 0);
    StarSphere stars;
    stars.Create(10000, 25, 25, true);
    stars.LoadTexture();
    glEnable(GL_LIGHTING); // on, but with no light: a lit sphere would be black
    glEnable(GL_CULL_FACE);
    LookFromCentre();
    stars.Draw();
    Pixel p = ReadPixel(kSize / 2, kSize / 2);
    EXPECT_EQ(p.r, 255);
    EXPECT_EQ(p.g, 0);
    EXPECT_EQ(p.b, 0);
}

TEST_F(TexturedBodiesInContext, StarSphereWithoutPictureIsWhite) {
    StarSphere stars;
    stars.Create(10000, 25, 25, true);
    stars.LoadTexture();
    LookFromCentre();
    stars.Draw();
    Pixel p = ReadPixel(kSize / 2, kSize / 2);
    EXPECT_EQ(p.r, 255);
    EXPECT_EQ(p.g, 255);
    EXPECT_EQ(p.b, 255);
}

TEST_F(TexturedBodiesInContext, LandingDiskWithoutPictureIsAGreyDiskOfRadius70) {
    LandingDisk disk;
    disk.Create(70.0f, 70, 70, true);
    disk.LoadTexture();
    LookDown();
    disk.Draw();
    // 200 units over 64 pixels: the centre, 60 units out, and 85 units out.
    Pixel centre = ReadPixel(32, 32);
    EXPECT_NEAR(centre.r, 230, 1);
    EXPECT_EQ(centre.r, centre.g);
    EXPECT_EQ(centre.g, centre.b);
    EXPECT_NEAR(ReadPixel(32 + 19, 32).r, 230, 1);
    EXPECT_EQ(ReadPixel(32 + 27, 32).r, 0);
    EXPECT_EQ(ReadPixel(32, 32 + 27).r, 0);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(TexturedBodiesInContext, LandingDiskFacesUpAndModulatesItsPictureByGrey) {
    folder.WriteBitmap("LandingDisk.bmp", 8, 0, 255, 0);
    LandingDisk disk;
    disk.Create(70.0f, 70, 70, true);
    disk.LoadTexture();
    LookDown();
    glEnable(GL_CULL_FACE); // a disk facing away would vanish
    disk.Draw();
    Pixel centre = ReadPixel(32, 32);
    EXPECT_EQ(centre.r, 0);
    EXPECT_NEAR(centre.g, 230, 1);
    EXPECT_EQ(centre.b, 0);
}

TEST_F(TexturedBodiesInContext, SphereSendsItsColourWithoutItsAlpha) {
    Sphere sphere;
    sphere.colour = Rgba(0, 0, 1, 0); // a transparent alpha here must not reach OpenGL
    sphere.Create(100.0f, 20, 20, false);
    LookDown();
    glColor4f(0.3f, 0.3f, 0.3f, 0.25f);
    sphere.Draw();
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[0], 0.0f);
    EXPECT_EQ(colour[1], 0.0f);
    EXPECT_EQ(colour[2], 1.0f);
    EXPECT_EQ(colour[3], 1.0f); // a three-component colour is opaque
}

TEST_F(TexturedBodiesInContext, SphereDrawsInItsColourAtTheOrigin) {
    Sphere sphere;
    sphere.colour = Rgba(0, 0, 1, 1);
    sphere.Create(50.0f, 30, 30, false);
    LookDown();
    sphere.Draw();
    Pixel centre = ReadPixel(32, 32);
    EXPECT_EQ(centre.b, 255);
    EXPECT_EQ(centre.r, 0);
    EXPECT_EQ(ReadPixel(32 + 20, 32).r + ReadPixel(32 + 20, 32).b, 0); // 62 units out
    EXPECT_EQ(Integer(GL_MODELVIEW_STACK_DEPTH), 1);
}
