// State the layer keeps as OpenGL 1.1 keeps it: matrices, vertex arrays and the client
// attribute stack, texture names, and a context's lifetime, including calls with none current.
#include "tests/gl11/core/EsWindow.h"

#include "gl11/Gl.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace gl11;

namespace {
std::vector<float> Matrix(GLenum which) {
    std::vector<float> m(16);
    glGetFloatv(which, m.data());
    return m;
}

void ExpectMatrixNear(const std::vector<float>& got, const std::vector<float>& want,
                      const char* what) {
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(got[i], want[i], 1e-6) << what << ", element " << i;
}

// Four corners of a square over the window with a colour each, red first.
const float kCorners[4][3] = {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};
const float kColours[4][4] = {{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}, {1, 1, 1, 1}};
} // namespace

TEST(State, MatrixCallsComposeAsOpenGlDefinesThem) {
    EsWindow window;
    REQUIRE_ES(window);
    const struct {
        const char* calls;
        void (*apply)();
        std::vector<float> matrix; // by columns
    } cases[] = {
        {"a quarter turn about z",
         [] { glRotated(90, 0, 0, 1); },
         {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}},
        {"a translation after a quarter turn about x",
         [] {
             glRotatef(90, 1, 0, 0);
             glTranslated(1, 2, 3);
         },
         {1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 1, -3, 2, 1}},
        {"a scaling loaded then multiplied",
         [] {
             const GLdouble m[16] = {2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 4, 0, 5, 6, 7, 1};
             glLoadMatrixd(m);
             glScalef(0.5f, 2, 1);
         },
         {1, 0, 0, 0, 0, 6, 0, 0, 0, 0, 4, 0, 5, 6, 7, 1}},
        {"a frustum",
         [] { glFrustum(-1, 1, -2, 2, 1, 3); },
         {1, 0, 0, 0, 0, 0.5f, 0, 0, 0, 0, -2, -1, 0, 0, -3, 0}},
        {"an orthographic box",
         [] { glOrtho(0, 4, 0, 2, -1, 1); },
         {0.5f, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, -1, -1, 0, 1}},
    };
    for (const auto& c : cases) {
        glLoadIdentity();
        c.apply();
        ExpectMatrixNear(Matrix(GL_MODELVIEW_MATRIX), c.matrix, c.calls);
    }
    // Each mode has its own stack; popping gives back the pushed matrix.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glTranslatef(1, 0, 0);
    EXPECT_EQ(Matrix(GL_PROJECTION_MATRIX)[12], 1.0f);
    glPopMatrix();
    EXPECT_EQ(Matrix(GL_PROJECTION_MATRIX)[12], 0.0f);
    EXPECT_EQ(Matrix(GL_MODELVIEW_MATRIX)[12], -1.0f);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_PROJECTION);
}

TEST(State, QuadsAndQuadStripsSplitAlongTheSystemsDiagonals) {
    EsWindow window(32, 32);
    REQUIRE_ES(window);
    // Black at two opposite corners, white at the other two: the centre of the square is
    // black when the split runs between the black corners.
    const struct {
        const char* mode;
        GLenum begin;
        int order[4];       // which corner each vertex is
        bool blackDiagonal; // the split joins the first two black corners
    } cases[] = {
        {"a quad splits along its first and third vertices", GL_QUADS, {0, 1, 2, 3}, true},
        {"a polygon fans from its first vertex", GL_POLYGON, {0, 1, 2, 3}, true},
        {"a quad strip splits along its first and fourth vertices",
         GL_QUAD_STRIP,
         {0, 1, 3, 2},
         true},
        {"a triangle strip splits along its second and third",
         GL_TRIANGLE_STRIP,
         {0, 1, 3, 2},
         false},
    };
    for (const auto& c : cases) {
        glClear(GL_COLOR_BUFFER_BIT);
        glBegin(c.begin);
        for (int i = 0; i < 4; ++i) {
            // Corners 0 and 2 of the square are black.
            const float grey = c.order[i] % 2 ? 1.0f : 0.0f;
            glColor3f(grey, grey, grey);
            glVertex3fv(kCorners[c.order[i]]);
        }
        glEnd();
        const std::vector<std::uint8_t> p = window.Read();
        const int centre = p[(16 * 32 + 16) * 4];
        if (c.blackDiagonal)
            EXPECT_LT(centre, 40) << c.mode;
        else
            EXPECT_GT(centre, 215) << c.mode;
    }
}

TEST(State, VertexArraysDrawAsImmediateModeAndTheClientStackRestoresThem) {
    EsWindow window(16, 16);
    REQUIRE_ES(window);
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        glColor4fv(kColours[i]);
        glVertex3fv(kCorners[i]);
    }
    glEnd();
    const std::vector<std::uint8_t> immediate = window.Read();

    glClear(GL_COLOR_BUFFER_BIT);
    const float untouched = 0;
    glVertexPointer(2, GL_FLOAT, 0, &untouched);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glVertexPointer(3, GL_FLOAT, 0, kCorners);
    glColorPointer(4, GL_FLOAT, 0, kColours);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    const long before = Counts().draws;
    glDrawArrays(GL_QUADS, 0, 4);
    EXPECT_EQ(window.Read(), immediate);
    EXPECT_EQ(Counts().draws, before + 1);
    glPopClientAttrib();

    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_ARRAY));
    GLvoid* pointer = nullptr;
    glGetPointerv(GL_VERTEX_ARRAY_POINTER, &pointer);
    EXPECT_EQ(pointer, &untouched);
    GLint size = 0;
    glGetIntegerv(GL_VERTEX_ARRAY_SIZE, &size);
    EXPECT_EQ(size, 2);
    // Without the vertex array enabled nothing is drawn.
    glClear(GL_COLOR_BUFFER_BIT);
    glDrawArrays(GL_QUADS, 0, 4);
    EXPECT_EQ(window.Read()[0], 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(State, TextureNamesComeAndGoAsOpenGlHandsThemOut) {
    EsWindow window;
    REQUIRE_ES(window);
    GLuint names[3] = {};
    glGenTextures(3, names);
    EXPECT_EQ(names[0], 1u);
    EXPECT_EQ(names[2], 3u);
    EXPECT_TRUE(glIsTexture(2));
    EXPECT_FALSE(glIsTexture(0));
    glBindTexture(GL_TEXTURE_2D, 3);
    glDeleteTextures(1, &names[2]);
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
    EXPECT_FALSE(glIsTexture(3));
    // A proxy says whether an image would fit, without making one.
    glTexImage2D(GL_PROXY_TEXTURE_2D, 0, 3, 64, 32, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 64);
    glTexImage2D(GL_PROXY_TEXTURE_2D, 0, 3, 1 << 20, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
    glGetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(State, CallsWithoutACurrentContextDoNothing) {
    MakeCurrent(nullptr);
    glBegin(GL_TRIANGLES);
    glVertex3f(0, 0, 0);
    glEnd();
    glEnable(GL_LIGHTING);
    glClear(GL_COLOR_BUFFER_BIT);
    GLint depth = 7;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 7);
    EXPECT_EQ(glGetString(GL_VERSION), nullptr);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    FlushPending();
    // Deleting the current context leaves none current.
    EsWindow window;
    REQUIRE_ES(window);
    Context* other = CreateContext(&CountingLoader);
    ASSERT_NE(other, nullptr);
    MakeCurrent(other);
    DeleteContext(other);
    EXPECT_EQ(CurrentContext(), nullptr);
}

TEST(State, AContextNeedsEveryEntryPoint) {
    EsWindow window;
    REQUIRE_ES(window);
    const EsLoader withoutDrawElements = [](const char* name) -> void* {
        return std::strcmp(name, "glDrawElements") == 0 ? nullptr : CountingLoader(name);
    };
    testing::internal::CaptureStderr();
    EXPECT_EQ(CreateContext(withoutDrawElements), nullptr);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("glDrawElements"), std::string::npos);
    EXPECT_EQ(CreateContext(nullptr), nullptr);
}
