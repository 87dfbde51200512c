// A window's public operations before and after its platform window exists.
#include "tests/framework/Recording.h"

#include <gtest/gtest.h>

namespace {
RECT WindowRect(HWND h) {
    RECT r = {};
    GetWindowRect(h, &r);
    return r;
}
} // namespace

TEST(WindowOps, RecordStartsWithTheDocumentedRequest) {
    EventLog log;
    RecordingWindow w("w", &log);
    ASSERT_NE(w.extra, nullptr);
    EXPECT_EQ(w.extra->owner, &w);
    EXPECT_EQ(w.extra->window, nullptr);
    EXPECT_EQ(w.extra->x, CW_USEDEFAULT);
    EXPECT_EQ(w.extra->y, CW_USEDEFAULT);
    EXPECT_EQ(w.Width(), 320);
    EXPECT_EQ(w.Height(), 240);
    EXPECT_EQ(w.extra->colourBits, 24);
    EXPECT_EQ(w.DepthBits(), 32);
    EXPECT_EQ(w.extra->stencilBits, 0);
    EXPECT_EQ(w.extra->title, "OpenGL");
    EXPECT_NE(w.extra->cursor, nullptr);
}

TEST(WindowOps, SizePositionAndTitleBeforeCreationAreOnlyStored) {
    EventLog log;
    RecordingWindow w("w", &log);
    w.SetSize(-5, 10);
    EXPECT_EQ(w.Width(), 0);
    EXPECT_EQ(w.Height(), 10);
    w.SetSize(260, 170);
    w.SetPosition(30, 40);
    EXPECT_TRUE(w.SetTitle("Before creation"));
    EXPECT_FALSE(w.SetTitle(nullptr));
    ASSERT_TRUE(w.extra->Create());
    char title[64];
    GetWindowTextA(w.Handle(), title, sizeof title);
    EXPECT_STREQ(title, "Before creation");
    EXPECT_EQ(w.Width(), 260);
    EXPECT_EQ(w.Height(), 170);
    RECT r = WindowRect(w.Handle());
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
}

TEST(WindowOps, SizeAndPositionAfterCreationMoveTheWindow) {
    EventLog log;
    RecordingWindow w("w", &log);
    ASSERT_TRUE(w.extra->Create());
    w.SetSize(301, 199);
    RECT client;
    GetClientRect(w.Handle(), &client);
    EXPECT_EQ(client.right, 301);
    EXPECT_EQ(client.bottom, 199);
    EXPECT_EQ(w.lastResize[0], 301); // resized through WM_SIZE inside the call
    EXPECT_EQ(w.lastResize[1], 199);
    RECT before = WindowRect(w.Handle());
    w.SetPosition(55, 66);
    RECT r = WindowRect(w.Handle());
    EXPECT_EQ(r.left, 55);
    EXPECT_EQ(r.top, 66);
    EXPECT_EQ(r.right - r.left, before.right - before.left); // moving keeps the size
    EXPECT_EQ(r.bottom - r.top, before.bottom - before.top);
    RECT outer = {0, 0, 301, 199}; // the frame around the client area, if any
    AdjustWindowRect(&outer, static_cast<DWORD>(GetWindowLongA(w.Handle(), GWL_STYLE)), FALSE);
    EXPECT_EQ(r.right - r.left, outer.right - outer.left);
    EXPECT_TRUE(w.SetTitle("After"));
    char title[16];
    GetWindowTextA(w.Handle(), title, sizeof title);
    EXPECT_STREQ(title, "After");
}

TEST(WindowOps, RecreatedWindowComesBackAtItsLastPosition) {
    EventLog log;
    RecordingWindow w("w", &log);
    w.SetPosition(100, 120);
    ASSERT_TRUE(w.extra->Create());
    w.SetPosition(210, 230);
    w.extra->Destroy();
    EXPECT_EQ(w.extra->window, nullptr);
    EXPECT_EQ(w.extra->glContext, nullptr);
    EXPECT_EQ(w.extra->x, 210);
    EXPECT_EQ(w.extra->y, 230);
    ASSERT_TRUE(w.extra->Recreate());
    RECT r = WindowRect(w.Handle());
    EXPECT_EQ(r.left, 210);
    EXPECT_EQ(r.top, 230);
}

TEST(WindowOps, DepthBitsReportsRequestThenGrant) {
    EventLog log;
    RecordingWindow w("w", &log);
    EXPECT_FALSE(w.SetDepthBits(-1));
    EXPECT_FALSE(w.SetDepthBits(256));
    EXPECT_TRUE(w.SetDepthBits(24));
    EXPECT_EQ(w.DepthBits(), 24);
    ASSERT_TRUE(w.extra->Create());
    PIXELFORMATDESCRIPTOR pfd;
    ASSERT_NE(DescribePixelFormat(w.extra->deviceContext, GetPixelFormat(w.extra->deviceContext),
                                  sizeof pfd, &pfd),
              0);
    EXPECT_EQ(w.DepthBits(), pfd.cDepthBits);
    EXPECT_GE(w.DepthBits(), 16);
    // Changing it outside OnCreate recreates the window with the new request.
    HWND before = w.Handle();
    EXPECT_TRUE(w.SetDepthBits(16));
    EXPECT_NE(w.Handle(), before);
    EXPECT_GE(w.DepthBits(), 16);
    EXPECT_EQ(w.extra->depthBits, 16);
}

namespace {
class DepthInOnCreate : public RecordingWindow {
  public:
    using RecordingWindow::RecordingWindow;
    void OnCreate() override {
        results[0] = SetDepthBits(DepthBits() == 16 ? 24 : 16);
        results[1] = SetDepthBits(DepthBits() == 16 ? 24 : 16);
        created = true;
    }
    bool results[2] = {true, true};
    bool created = false;
};
} // namespace

TEST(WindowOps, SetDepthBitsIsRefusedInsideOnCreateWithOneMessagePerProcess) {
    EventLog log;
    GLAppHost::Instance()->consoleMode = true; // as main sets it
    DepthInOnCreate w("w", &log);
    ASSERT_TRUE(w.extra->Create());
    HWND handle = w.Handle();
    ::testing::internal::CaptureStdout();
    MSG msg;
    for (int i = 0; i < 100 && !w.created; ++i)
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    // A second window refusing too must stay silent.
    DepthInOnCreate second("second", &log);
    ASSERT_TRUE(second.extra->Create());
    for (int i = 0; i < 100 && !second.created; ++i)
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    std::string out = ::testing::internal::GetCapturedStdout();
    ASSERT_TRUE(w.created);
    ASSERT_TRUE(second.created);
    EXPECT_FALSE(w.results[0]);
    EXPECT_FALSE(w.results[1]);
    EXPECT_FALSE(second.results[0]);
    EXPECT_EQ(w.Handle(), handle);
    EXPECT_EQ(out,
              "Error: You cannot change pixel format in GLWindow::OnCreate\n(cannot change "
              "depth/alpha/stencil/accum bits, or any setting\nthat would recreate the window)");
}

TEST(WindowOps, ShowMessageDropsTextThatDoesNotFit) {
    GLAppHost* host = GLAppHost::Instance();
    bool console = host->consoleMode;
    host->consoleMode = true;
    ::testing::internal::CaptureStdout();
    host->ShowMessage("%s %d\n", "fits", 5);
    host->ShowMessage("%s", std::string(1023, 'a').c_str());
    host->ShowMessage("%s", std::string(1024, 'b').c_str());
    std::string out = ::testing::internal::GetCapturedStdout();
    host->consoleMode = console;
    EXPECT_EQ(out, "fits 5\n" + std::string(1023, 'a'));
}

TEST(WindowOps, FixedPaletteFollowsTheThreeThreeTwoRule) {
    const LOGPALETTE* p = FixedLogicalPalette();
    EXPECT_EQ(p->palVersion, 0x300);
    ASSERT_EQ(p->palNumEntries, 256);
    const PALETTEENTRY* e = p->palPalEntry;
    const int red[8] = {0, 63, 104, 128, 171, 200, 229, 255};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(e[i].peRed, red[i]);
    EXPECT_EQ(e[64].peBlue, 128);
    EXPECT_EQ(e[128].peBlue, 191);
    EXPECT_EQ(e[192].peBlue, 255);
    EXPECT_EQ((int)e[0].peRed + e[0].peGreen + e[0].peBlue, 0);
    EXPECT_EQ((int)e[255].peRed + e[255].peGreen + e[255].peBlue, 765);
    EXPECT_EQ(e[164].peRed, 160);
    EXPECT_EQ(e[164].peBlue, 164);
    EXPECT_EQ(e[173].peGreen, 192);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(e[i].peFlags, 0);
}
