// How gathered drawing becomes OpenGL ES draws: blocks that differ only in per-vertex values
// share one draw, state changes and context switches send what is pending, and what the
// program asks for is what ends up in the framebuffer.
#include "tests/gl11/core/EsWindow.h"

#include "gl11/Gl.h"

#include <gtest/gtest.h>

using namespace gl11;

namespace {
long DrawsDuring(void (*scene)()) {
    const long before = Counts().draws;
    scene();
    glFinish();
    return Counts().draws - before;
}

void OnePointBlocks() {
    glPointSize(1);
    for (int i = 0; i < 15000; ++i) {
        glColor4d(i % 7 / 7.0, 0.5, 1.0, i % 3 / 3.0);
        glPointSize(0.1f + static_cast<float>(i % 20) / 10.0f);
        glBegin(GL_POINTS);
        glVertex3d(i % 100 / 100.0 - 0.5, i / 100 / 150.0 - 0.5, 0);
        glEnd();
    }
}

void TrianglesWithPerVertexValues() {
    for (int i = 0; i < 50; ++i) {
        glBegin(GL_TRIANGLES);
        glNormal3d(0, 0, 1);
        glColor3d(1, 0, 0);
        glVertex3d(0, 0, 0);
        glNormal3d(0, 1, 0);
        glColor3d(0, 1, 0);
        glVertex3d(1, 0, 0);
        glVertex3d(0, 1, 0);
        glEnd();
        glBegin(GL_QUADS);
        glVertex3d(0, 0, 0);
        glVertex3d(1, 0, 0);
        glVertex3d(1, 1, 0);
        glVertex3d(0, 1, 0);
        glEnd();
    }
}

void PushPopWithoutChange() {
    for (int i = 0; i < 10; ++i) {
        glPushMatrix();
        glBegin(GL_LINES);
        glVertex3d(0, 0, 0);
        glVertex3d(1, 1, 0);
        glEnd();
        glPopMatrix();
        // Re-enabling what is on, and sending the same light again, change nothing.
        glEnable(GL_DEPTH_TEST);
        const GLfloat white[4] = {1, 1, 1, 1};
        glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    }
}

void MatrixPerBlock() {
    for (int i = 0; i < 10; ++i) {
        glPushMatrix();
        glTranslated(i * 0.01, 0, 0);
        glBegin(GL_LINES);
        glVertex3d(0, 0, 0);
        glVertex3d(1, 1, 0);
        glEnd();
        glPopMatrix();
    }
}

void StateBetweenBlocks() {
    for (int i = 0; i < 10; ++i) {
        glBegin(GL_TRIANGLES);
        glVertex3d(0, 0, 0);
        glVertex3d(1, 0, 0);
        glVertex3d(0, 1, 0);
        glEnd();
        if (i % 2)
            glDisable(GL_BLEND);
        else
            glEnable(GL_BLEND);
    }
}

void KindsAlternating() {
    for (int i = 0; i < 5; ++i) {
        glBegin(GL_LINE_LOOP);
        glVertex3d(0, 0, 0);
        glVertex3d(1, 0, 0);
        glVertex3d(0, 1, 0);
        glEnd();
        glBegin(GL_TRIANGLES);
        glVertex3d(0, 0, 0);
        glVertex3d(1, 0, 0);
        glVertex3d(0, 1, 0);
        glEnd();
    }
}
} // namespace

TEST(Batching, DrawsOnlyWhereStateOrKindChanges) {
    EsWindow window;
    REQUIRE_ES(window);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    const struct {
        const char* scene;
        void (*draw)();
        long draws;
    } cases[] = {
        {"15,000 one-point blocks of their own colour and size", OnePointBlocks, 1},
        {"triangles and quads with per-vertex normals and colours", TrianglesWithPerVertexValues,
         1},
        {"push and pop around each block, state set to what it is", PushPopWithoutChange, 1},
        {"a new matrix for each block", MatrixPerBlock, 10},
        {"blending switched between blocks", StateBetweenBlocks, 10},
        {"line loops and triangles in turn", KindsAlternating, 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DrawsDuring(c.draw), c.draws) << c.scene;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(Batching, CurrentValuesOutliveTheBlock) {
    EsWindow window;
    REQUIRE_ES(window);
    glBegin(GL_POINTS);
    glColor4f(0.25f, 0.5f, 0.75f, 1);
    glNormal3f(0, 1, 0);
    glTexCoord2f(0.5f, 2);
    glVertex3f(0, 0, 0);
    glEnd();
    GLfloat colour[4], normal[3], texCoord[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetFloatv(GL_CURRENT_NORMAL, normal);
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, texCoord);
    EXPECT_EQ(colour[2], 0.75f);
    EXPECT_EQ(normal[1], 1.0f);
    EXPECT_EQ(texCoord[1], 2.0f);

    // A block that sets no colour is drawn in the one left by the last.
    glClear(GL_COLOR_BUFFER_BIT);
    glBegin(GL_QUADS);
    glVertex2f(-1, -1);
    glVertex2f(1, -1);
    glVertex2f(1, 1);
    glVertex2f(-1, 1);
    glEnd();
    const std::vector<std::uint8_t> pixels = window.Read();
    EXPECT_EQ(pixels[0], 64);
    EXPECT_EQ(pixels[1], 128);
    EXPECT_EQ(pixels[2], 191);
}

TEST(Batching, PendingDrawingGoesOutBeforeTheContextChanges) {
    EsWindow first(32, 32), second(32, 32);
    REQUIRE_ES(first);
    REQUIRE_ES(second);
    first.MakeCurrent();
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1, 1, 0);
    glBegin(GL_TRIANGLE_FAN);
    glVertex2f(-1, -1);
    glVertex2f(1, -1);
    glVertex2f(1, 1);
    glVertex2f(-1, 1);
    glEnd();
    const long before = Counts().draws;
    second.MakeCurrent();
    EXPECT_EQ(Counts().draws, before + 1);
    // The second context has its own state: nothing of the first's colour.
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[2], 1.0f);
    first.MakeCurrent();
    const std::vector<std::uint8_t> pixels = first.Read();
    EXPECT_EQ(pixels[0], 255);
    EXPECT_EQ(pixels[2], 0);
}

TEST(Batching, WarmProgramsAreNotCompiledAgain) {
    EsWindow window;
    REQUIRE_ES(window);
    auto frame = [] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_COLOR_MATERIAL);
        TrianglesWithPerVertexValues();
        glDisable(GL_LIGHTING);
        OnePointBlocks();
        KindsAlternating();
        glFinish();
    };
    const long cold = Counts().compiles;
    frame();
    EXPECT_GT(Counts().compiles, cold);
    const long warm = Counts().compiles;
    frame();
    EXPECT_EQ(Counts().compiles, warm);
}
