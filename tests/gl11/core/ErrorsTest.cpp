// glGetError as OpenGL 1.1 sets it for misuse the program could commit, the stacks' limits,
// and the loud stop at calls the layer does not implement.
#include "tests/gl11/core/EsWindow.h"

#include "gl11/Gl.h"

#include <gtest/gtest.h>

using namespace gl11;

namespace {
void PushTimes(int n) {
    for (int i = 0; i < n; ++i)
        glPushMatrix();
}

void PopTimes(int n) {
    for (int i = 0; i < n; ++i)
        glPopMatrix();
}
} // namespace

TEST(Errors, MisuseSetsTheErrorOpenGlSets) {
    EsWindow window;
    REQUIRE_ES(window);
    static const GLfloat kWideCutoff = 91;
    const struct {
        const char* misuse;
        void (*call)();
        GLenum error;
    } cases[] = {
        {"glEnd without glBegin", [] { glEnd(); }, GL_INVALID_OPERATION},
        {"glBegin of no mode", [] { glBegin(GL_POLYGON + 1); }, GL_INVALID_ENUM},
        {"state changed inside glBegin",
         [] {
             glBegin(GL_TRIANGLES);
             glEnable(GL_BLEND);
             glEnd();
         },
         GL_INVALID_OPERATION},
        {"glBegin inside glBegin",
         [] {
             glBegin(GL_LINES);
             glBegin(GL_LINES);
             glEnd();
         },
         GL_INVALID_OPERATION},
        {"popping the last modelview matrix", [] { glPopMatrix(); }, GL_STACK_UNDERFLOW},
        {"a 33rd modelview matrix",
         [] {
             PushTimes(32);
             PopTimes(31);
         },
         GL_STACK_OVERFLOW},
        {"an 11th texture matrix",
         [] {
             glMatrixMode(GL_TEXTURE);
             PushTimes(10);
             PopTimes(9);
             glMatrixMode(GL_MODELVIEW);
         },
         GL_STACK_OVERFLOW},
        {"a 17th client attribute group",
         [] {
             for (int i = 0; i < 17; ++i)
                 glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
             for (int i = 0; i < 16; ++i)
                 glPopClientAttrib();
         },
         GL_STACK_OVERFLOW},
        {"popping no client attributes", [] { glPopClientAttrib(); }, GL_STACK_UNDERFLOW},
        {"a spot cut-off of 91 degrees", [] { glLightfv(GL_LIGHT1, GL_SPOT_CUTOFF, &kWideCutoff); },
         GL_INVALID_VALUE},
        {"a light that is not one", [] { glLightf(GL_LIGHT0 + 8, GL_SPOT_EXPONENT, 1); },
         GL_INVALID_ENUM},
        {"a vector light parameter as a scalar", [] { glLightf(GL_LIGHT0, GL_POSITION, 1); },
         GL_INVALID_ENUM},
        {"a point size of 0", [] { glPointSize(0); }, GL_INVALID_VALUE},
        {"an unpacking alignment of 3", [] { glPixelStorei(GL_UNPACK_ALIGNMENT, 3); },
         GL_INVALID_VALUE},
        {"a texture of 3 by 4 texels",
         [] {
             const unsigned char texels[48] = {};
             glTexImage2D(GL_TEXTURE_2D, 0, 3, 3, 4, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
         },
         GL_INVALID_VALUE},
        {"a blend factor for the wrong side", [] { glBlendFunc(GL_SRC_COLOR, GL_ONE); },
         GL_INVALID_ENUM},
        {"a frustum with its near plane at 0", [] { glFrustum(-1, 1, -1, 1, 0, 10); },
         GL_INVALID_VALUE},
        {"two errors: the first stays",
         [] {
             glPopMatrix();
             glEnd();
         },
         GL_STACK_UNDERFLOW},
    };
    for (const auto& c : cases) {
        c.call();
        EXPECT_EQ(glGetError(), c.error) << c.misuse;
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << c.misuse << ", read twice";
    }
    // A failed call changes nothing: the stacks are as deep as before.
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    glGetIntegerv(GL_CLIENT_ATTRIB_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 0);
}

TEST(Errors, StringsOfferOnlyWhatTheLayerGives) {
    EsWindow window;
    REQUIRE_ES(window);
    EXPECT_STREQ(reinterpret_cast<const char*>(glGetString(GL_VERSION)), "1.1");
    EXPECT_STREQ(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)), "GL_EXT_bgra");
    EXPECT_NE(glGetString(GL_RENDERER), nullptr);
    EXPECT_EQ(glGetString(GL_VERSION + 10), nullptr);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_INVALID_ENUM));
}

#ifndef NDEBUG
TEST(ErrorsDeathTest, UnimplementedCallsStopADebugBuildNamingTheCall) {
    EsWindow probe;
    REQUIRE_ES(probe);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const struct {
        void (*call)();
        const char* named;
    } cases[] = {
        {[] { glShadeModel(GL_FLAT); }, "glShadeModel\\(GL_FLAT\\)"},
        {[] { glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP); }, "GL_CLAMP"},
        {[] { glEnable(GL_FOG); }, "glEnable\\(0x0B60\\)"},
        {[] { glLineWidth(2); }, "glLineWidth"},
    };
    for (const auto& c : cases)
        EXPECT_DEATH(
            {
                EsWindow window;
                c.call();
            },
            c.named);
}
#endif
