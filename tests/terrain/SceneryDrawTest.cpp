#include "platform/Win32.h"
#include "terrain/BaseBox.h"
#include "terrain/Dome.h"
#include "tests/scene/Feedback.h"
#include "tests/support/TestContext.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
const Rgba domeBlue(0.4f, 0.5215686559677124f, 0.9176470637321472f, 0.4f);

class SceneryDraw : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(context.Ok());
        glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        glDisable(GL_BLEND);
    }
    TestContext context;
};

// Fragments a draw leaves on a black, cleared 64 x 64 viewport.
int LitPixels(const std::function<void()>& draw) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    draw();
    glFinish();
    std::vector<unsigned char> pixels(64 * 64 * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 64, 64, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    int lit = 0;
    for (size_t i = 0; i < pixels.size(); i += 4)
        lit += pixels[i] != 0 || pixels[i + 1] != 0 || pixels[i + 2] != 0;
    return lit;
}

void LookFrom(const Vec3& eye, const Vec3& target) {
    glViewport(0, 0, 64, 64);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60, 1, 1, 2000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, 0, 0, 1);
}
} // namespace

TEST_F(SceneryDraw, ADomeDrawsItsLeavesSmoothInItsTranslucentColour) {
    Dome dome(35, domeBlue);
    LookAtCube(40);
    std::vector<FedPrimitive> fed = Feedback([&] { dome.Draw(); });
    EXPECT_EQ(CountKind(fed, FedPrimitive::Polygon), 1024u);
    ASSERT_FALSE(fed.empty());
    EXPECT_EQ(fed[0].vertices[0].g, domeBlue.g);
    EXPECT_EQ(fed[0].vertices[0].a, domeBlue.a);
    std::vector<Vec3> normals = FedNormals([&] { dome.Draw(); });
    ASSERT_EQ(normals.size(), 3u * 1024u);
    for (const Vec3& n : normals)
        EXPECT_GT(n.Length(), 0.99);
}

TEST_F(SceneryDraw, ADomeSeenFromInsideWithCullingDrawsNothing) {
    Dome dome(210, Rgba(1, 1, 1, 1));
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    LookFrom(Vec3(0, 0, 0), Vec3(0, 100, 50));
    EXPECT_EQ(LitPixels([&] { dome.Draw(); }), 0);
    LookFrom(Vec3(0, -600, 300), Vec3(0, 0, 0));
    EXPECT_GT(LitPixels([&] { dome.Draw(); }), 0);
    glDisable(GL_CULL_FACE);
    LookFrom(Vec3(0, 0, 0), Vec3(0, 100, 50));
    EXPECT_GT(LitPixels([&] { dome.Draw(); }), 0);
    glDisable(GL_DEPTH_TEST);
}

TEST_F(SceneryDraw, ABoxDrawsSixOutwardQuadsAndLeavesItsTranslation) {
    BaseBox box(40, 80, 40);
    box.colour = Rgba::FromBytes(128, 128, 255);
    box.position = Vec3(-40, 40, -40);
    LookAtCube(100);
    std::vector<FedPrimitive> fed = Feedback([&] {
        glPushMatrix();
        box.Draw();
        glPopMatrix();
    });
    // A quad may come back whole or as two triangles.
    ASSERT_TRUE(fed.size() == 6u || fed.size() == 12u) << fed.size();
    const size_t split = fed.size() / 6;
    const size_t perFace = split == 1 ? 4 : 6;
    for (const FedPrimitive& part : fed) {
        EXPECT_EQ(part.kind, FedPrimitive::Polygon);
        EXPECT_EQ(part.vertices.size(), split == 1 ? 4u : 3u);
        EXPECT_EQ(part.vertices[0].b, box.colour.b);
    }
    const Vec3 outward[6] = {{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}, {1, 0, 0}, {0, 0, -1}, {0, -1, 0}};
    std::vector<Vec3> normals = FedNormals([&] {
        glPushMatrix();
        box.Draw();
        glPopMatrix();
    });
    ASSERT_EQ(normals.size(), 6 * perFace);
    for (size_t i = 0; i < normals.size(); ++i) {
        EXPECT_NEAR(normals[i].x, outward[i / perFace].x, 1e-5);
        EXPECT_NEAR(normals[i].y, outward[i / perFace].y, 1e-5);
        EXPECT_NEAR(normals[i].z, outward[i / perFace].z, 1e-5);
    }

    // Seen from the +x, +y, +z corner, culling keeps exactly the three faces turned to it.
    box.position = Vec3(0, 0, 0);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotated(35.26, 1, 0, 0);
    glRotated(-45, 0, 1, 0);
    int lit = LitPixels([&] {
        glPushMatrix();
        box.Draw();
        glPopMatrix();
    });
    EXPECT_GT(lit, 0);
    fed = Feedback([&] {
        glPushMatrix();
        box.Draw();
        glPopMatrix();
    });
    EXPECT_EQ(fed.size(), 3 * split);
    glDisable(GL_CULL_FACE);

    glLoadIdentity();
    box.position = Vec3(-40, 40, -40);
    box.Draw();
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    EXPECT_EQ(m[12], -40.0);
    EXPECT_EQ(m[13], 40.0);
    EXPECT_EQ(m[14], -40.0);
}
