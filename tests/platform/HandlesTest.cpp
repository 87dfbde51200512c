// Null, stale and foreign handles fail the way Windows fails them.
#include "platform/Win32.h"
#include "tests/support/TestContext.h"
#include "tests/support/Wine.h"

#include <gtest/gtest.h>

TEST(Handles, NullStaleAndForeignHandlesAreRefused) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    HWND stale;
    HDC staleDc;
    {
        TestContext gone;
        ASSERT_TRUE(gone.Ok());
        stale = gone.Window();
        staleDc = gone.Dc();
    }
    ASSERT_TRUE(wglMakeCurrent(ctx.Dc(), ctx.Context()));
    for (HWND h : {static_cast<HWND>(nullptr), stale, reinterpret_cast<HWND>(ctx.Dc())}) {
        RECT r;
        EXPECT_FALSE(IsWindow(h));
        if (h) { // GetDC (NULL) is the screen's device context
            EXPECT_EQ(GetDC(h), nullptr);
        }
        EXPECT_FALSE(ShowWindow(h, SW_SHOW));
        EXPECT_FALSE(SetWindowPos(h, nullptr, 0, 0, 5, 5, 0));
        EXPECT_FALSE(GetWindowRect(h, &r));
        EXPECT_FALSE(GetClientRect(h, &r));
        EXPECT_FALSE(SetWindowTextA(h, "x"));
        EXPECT_EQ(GetWindowLongPtrA(h, GWLP_USERDATA), 0);
        EXPECT_EQ(SetWindowLongPtrA(h, GWLP_USERDATA, 5), 0);
        EXPECT_EQ(SendMessageA(h, WM_CLOSE, 0, 0), 0);
        EXPECT_FALSE(GetUpdateRect(h, &r, FALSE));
        EXPECT_FALSE(DestroyWindow(h));
        EXPECT_EQ(SetCapture(h), nullptr);
    }
    EXPECT_FALSE(PostMessageA(stale, WM_USER, 0, 0));
    for (HDC dc : {static_cast<HDC>(nullptr), staleDc, reinterpret_cast<HDC>(ctx.Window())}) {
        PIXELFORMATDESCRIPTOR pfd = {};
        pfd.dwFlags = PFD_SUPPORT_OPENGL;
        EXPECT_EQ(ChoosePixelFormat(dc, &pfd), 0);
        EXPECT_FALSE(SetPixelFormat(dc, 1, &pfd));
        EXPECT_EQ(GetPixelFormat(dc), 0);
        EXPECT_EQ(DescribePixelFormat(dc, 1, sizeof pfd, &pfd), 0);
        EXPECT_FALSE(SwapBuffers(dc));
        EXPECT_EQ(wglCreateContext(dc), nullptr);
        EXPECT_EQ(SelectPalette(dc, nullptr, FALSE), nullptr);
    }
    // The screen's device context belongs to no window.
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    // Deleting a foreign object or a stale context does nothing.
    EXPECT_FALSE(DeleteObject(ctx.Window()));
    EXPECT_FALSE(wglDeleteContext(reinterpret_cast<HGLRC>(ctx.Window())));
    EXPECT_TRUE(IsWindow(ctx.Window()));
}

TEST(Handles, AFailedMakeCurrentLeavesNoContextCurrent) {
    if (UnderWine())
        GTEST_SKIP() << "Wine keeps the previous context current when wglMakeCurrent fails; "
                        "Windows makes none current";
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    HDC staleDc;
    {
        TestContext gone;
        ASSERT_TRUE(gone.Ok());
        staleDc = gone.Dc();
    }
    ASSERT_TRUE(wglMakeCurrent(ctx.Dc(), ctx.Context()));
    EXPECT_FALSE(wglMakeCurrent(staleDc, ctx.Context()));
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_TRUE(wglMakeCurrent(ctx.Dc(), ctx.Context()));
}

TEST(Handles, RegisteringNoClassFails) {
    if (UnderWine())
        GTEST_SKIP() << "Wine reads the class description through a null pointer and crashes";
    EXPECT_EQ(RegisterClassA(nullptr), 0);
}

TEST(Handles, ClassRegistrationIsCheckedAndUnique) {
    WNDCLASSA wc = {};
    EXPECT_EQ(RegisterClassA(&wc), 0); // no name, no procedure
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "HandlesTestClass";
    ATOM atom = RegisterClassA(&wc);
    ASSERT_NE(atom, 0);
    EXPECT_EQ(RegisterClassA(&wc), 0);
    EXPECT_EQ(
        CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
        nullptr);
    HWND h = CreateWindowExA(0, "handlestestclass", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                             nullptr);
    ASSERT_NE(h, nullptr);
    EXPECT_FALSE(UnregisterClassA(MAKEINTATOM(atom), nullptr)); // it still has a window
    DestroyWindow(h);
    EXPECT_TRUE(UnregisterClassA(MAKEINTATOM(atom), nullptr));
}

TEST(Handles, AClassThatHadAWindowIsUnregisteredOnce) {
    if (UnderWine())
        GTEST_SKIP() << "Wine leaves a class that had a window registered under its name after "
                        "UnregisterClassA by atom";
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "OnceTestClass";
    ATOM atom = RegisterClassA(&wc);
    ASSERT_NE(atom, 0);
    DestroyWindow(CreateWindowExA(0, "OnceTestClass", "", 0, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr));
    EXPECT_TRUE(UnregisterClassA(MAKEINTATOM(atom), nullptr));
    EXPECT_FALSE(UnregisterClassA("OnceTestClass", nullptr));
}

TEST(Handles, PalettesAreRealObjects) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    struct {
        LOGPALETTE header;
        PALETTEENTRY more[3];
    } lp = {};
    lp.header.palVersion = 0x300;
    lp.header.palNumEntries = 4;
    lp.header.palPalEntry[0] = {1, 2, 3, 0};
    lp.more[2] = {7, 8, 9, 0};
    HPALETTE p = CreatePalette(&lp.header);
    ASSERT_NE(p, nullptr);
    PALETTEENTRY back[4];
    EXPECT_EQ(GetPaletteEntries(p, 0, 4, back), 4u);
    EXPECT_EQ(back[0].peBlue, 3);
    EXPECT_EQ(back[3].peRed, 7);
    HPALETTE old = SelectPalette(ctx.Dc(), p, FALSE);
    EXPECT_NE(old, nullptr);
    EXPECT_EQ(RealizePalette(ctx.Dc()), 0u);
    EXPECT_EQ(SelectPalette(ctx.Dc(), old, TRUE), p);
    EXPECT_TRUE(DeleteObject(old)); // the default palette is a stock object: it stays
    EXPECT_EQ(SelectPalette(ctx.Dc(), p, TRUE), old);
    EXPECT_EQ(SelectPalette(ctx.Dc(), old, TRUE), p);
    EXPECT_TRUE(DeleteObject(p));
    EXPECT_FALSE(DeleteObject(p));
    EXPECT_EQ(GetPaletteEntries(p, 0, 4, back), 0u);
}
