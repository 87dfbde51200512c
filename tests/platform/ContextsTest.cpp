// Pixel formats and rendering contexts.
#include "platform/Win32.h"
#include "tests/support/TestContext.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
PIXELFORMATDESCRIPTOR Request(int depth) {
    PIXELFORMATDESCRIPTOR pfd;
    std::memset(&pfd, 0, sizeof pfd);
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 24;
    pfd.cDepthBits = static_cast<BYTE>(depth);
    return pfd;
}

HWND Plain() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "ContextsTest";
        registered = RegisterClassA(&wc) != 0;
    }
    return CreateWindowExA(0, "ContextsTest", "", WS_OVERLAPPEDWINDOW, 0, 0, 32, 32, nullptr,
                           nullptr, nullptr, nullptr);
}
} // namespace

TEST(Contexts, ChosenFormatFallsBackAndReportsWhatWasGranted) {
    HWND h = Plain();
    HDC dc = GetDC(h);
    for (int depth : {32, 24, 16}) {
        PIXELFORMATDESCRIPTOR want = Request(depth);
        int format = ChoosePixelFormat(dc, &want);
        ASSERT_NE(format, 0) << depth;
        PIXELFORMATDESCRIPTOR got;
        ASSERT_NE(DescribePixelFormat(dc, format, sizeof got, &got), 0);
        EXPECT_GE(got.cDepthBits, 16) << depth;
        EXPECT_TRUE(got.dwFlags & PFD_DOUBLEBUFFER);
        EXPECT_FALSE(got.dwFlags & PFD_NEED_PALETTE);
        EXPECT_GE(got.cColorBits, 24);
    }
    PIXELFORMATDESCRIPTOR want = Request(24);
    int format = ChoosePixelFormat(dc, &want);
    EXPECT_EQ(GetPixelFormat(dc), 0);
    ASSERT_TRUE(SetPixelFormat(dc, format, &want));
    EXPECT_EQ(GetPixelFormat(dc), format);
    // A window's pixel format is set once.
    PIXELFORMATDESCRIPTOR other = Request(16);
    int otherFormat = ChoosePixelFormat(dc, &other);
    if (otherFormat != format) {
        EXPECT_FALSE(SetPixelFormat(dc, otherFormat, &other));
    }
    EXPECT_FALSE(SetPixelFormat(dc, 100000, &want));
    DestroyWindow(h);
}

TEST(Contexts, NewContextIsNotCurrentAndSharesNothing) {
    TestContext a;
    ASSERT_TRUE(a.Ok());
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    EXPECT_TRUE(glIsTexture(texture));

    HWND h = Plain();
    HDC dc = GetDC(h);
    PIXELFORMATDESCRIPTOR want = Request(24);
    ASSERT_TRUE(SetPixelFormat(dc, ChoosePixelFormat(dc, &want), &want));
    HGLRC b = wglCreateContext(dc);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(wglGetCurrentContext(), a.Context()); // creation changed nothing
    EXPECT_EQ(wglGetCurrentDC(), a.Dc());
    EXPECT_TRUE(glIsTexture(texture));
    ASSERT_TRUE(wglMakeCurrent(dc, b));
    EXPECT_FALSE(glIsTexture(texture)); // names belong to one context
    EXPECT_TRUE(wglMakeCurrent(nullptr, nullptr));
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_EQ(wglGetCurrentDC(), nullptr);
    ASSERT_TRUE(wglMakeCurrent(dc, b));
    EXPECT_TRUE(wglDeleteContext(b)); // deleting the current context releases it
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_FALSE(wglMakeCurrent(dc, b));
    DestroyWindow(h);
}

TEST(Contexts, SwapAndDrawReachTheWindow) {
    TestContext ctx(16, 16);
    ASSERT_TRUE(ctx.Ok());
    glViewport(0, 0, 16, 16);
    glClearColor(1, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    unsigned char pixel[4] = {};
    glReadPixels(8, 8, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[0], 255);
    EXPECT_EQ(pixel[1], 0);
    EXPECT_TRUE(SwapBuffers(ctx.Dc()));
}

TEST(Contexts, ExtensionEntryPointsComeOnlyWithACurrentContext) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    PROC gen = wglGetProcAddress("glGenProgramsARB");
    PROC exists = wglGetProcAddress("glIsProgramARB");
    ASSERT_NE(gen, nullptr);
    ASSERT_NE(exists, nullptr);
    EXPECT_EQ(wglGetProcAddress(nullptr), nullptr);
    // The entry points work in the context they were asked in.
    GLuint program = 0;
    reinterpret_cast<PFNGLGENPROGRAMSARBPROC>(reinterpret_cast<void (*)()>(gen))(1, &program);
    EXPECT_NE(program, 0u);
    auto bind = reinterpret_cast<PFNGLBINDPROGRAMARBPROC>(
        reinterpret_cast<void (*)()>(wglGetProcAddress("glBindProgramARB")));
    ASSERT_NE(bind, nullptr);
    bind(GL_VERTEX_PROGRAM_ARB, program);
    EXPECT_TRUE(
        reinterpret_cast<PFNGLISPROGRAMARBPROC>(reinterpret_cast<void (*)()>(exists))(program));
    bind(GL_VERTEX_PROGRAM_ARB, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    wglMakeCurrent(nullptr, nullptr);
    EXPECT_EQ(wglGetProcAddress("glGenProgramsARB"), nullptr);
}
