// Messages reaching a window's event operations: mouse, keys, painting, the context stack.
#include "tests/framework/Recording.h"

#include <gtest/gtest.h>

namespace {
struct EventsLiveWindow : ::testing::Test {
    EventLog log;
    RecordingWindow w{"w", &log};
    void SetUp() override {
        w.SetSize(300, 400);
        ASSERT_TRUE(w.extra->Create());
        log.entries.clear(); // showing the new window resized it
    }
    int Count(const std::string& e) const {
        int n = 0;
        for (auto& entry : log.entries)
            n += entry == e;
        return n;
    }
};
} // namespace

TEST_F(EventsLiveWindow, MouseYCountsUpFromTheBottomRow) {
    SendMessageA(w.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(0, 0));
    EXPECT_EQ(w.mouse[0], 0);
    EXPECT_EQ(w.mouse[1], 399);
    SendMessageA(w.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(299, 399));
    EXPECT_EQ(w.mouse[0], 299);
    EXPECT_EQ(w.mouse[1], 0);
    // Captured drags can leave the client area: coordinates are signed.
    SendMessageA(w.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(-20, 450));
    EXPECT_EQ(w.mouse[0], -20);
    EXPECT_EQ(w.mouse[1], 400 - 450 - 1);
}

TEST_F(EventsLiveWindow, AnyButtonReleaseReleasesTheCapture) {
    SendMessageA(w.Handle(), WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(GetCapture(), w.Handle());
    SendMessageA(w.Handle(), WM_RBUTTONDOWN, 0, 0);
    SendMessageA(w.Handle(), WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessageA(w.Handle(), WM_MBUTTONDOWN, 0, 0);
    SendMessageA(w.Handle(), WM_MBUTTONUP, 0, 0);
    SendMessageA(w.Handle(), WM_RBUTTONUP, 0, 0);
    EXPECT_EQ(log.entries,
              (std::vector<std::string>{"w.button 0 down", "w.button 2 down", "w.button 0 up",
                                        "w.button 1 down", "w.button 1 up", "w.button 2 up"}));
    EXPECT_TRUE(w.ownContextAlways);
}

TEST_F(EventsLiveWindow, KeysArriveAsVirtualKeyCodesAndSystemKeysDoNot) {
    SendMessageA(w.Handle(), WM_KEYDOWN, 'A', 1);
    SendMessageA(w.Handle(), WM_KEYDOWN, 'A', 1 | (1 << 30));
    SendMessageA(w.Handle(), WM_KEYDOWN, 'A', 1 | (1 << 30));
    SendMessageA(w.Handle(), WM_KEYUP, 'A', static_cast<LPARAM>(0xC0000001u));
    // Alt+A: on Windows, releasing F10 or Alt alone would open the window menu.
    SendMessageA(w.Handle(), WM_SYSKEYDOWN, 'A', 1 | (1 << 29));
    SendMessageA(w.Handle(), WM_SYSKEYUP, 'A', static_cast<LPARAM>(0xE0000001u));
    SendMessageA(w.Handle(), WM_CHAR, 'a', 1);
    EXPECT_EQ(Count("w.key 65 down"), 3);
    EXPECT_EQ(Count("w.key 65 up"), 1);
    EXPECT_EQ(log.entries.size(), 4u);
}

TEST_F(EventsLiveWindow, PaintWithAnEmptyUpdateRegionCallsNothing) {
    PAINTSTRUCT ps;
    BeginPaint(w.Handle(), &ps); // validate what showing the window marked
    EndPaint(w.Handle(), &ps);
    SendMessageA(w.Handle(), WM_PAINT, 0, 0);
    EXPECT_EQ(w.displays, 0);
    w.Redraw();
    SendMessageA(w.Handle(), WM_PAINT, 0, 0);
    EXPECT_EQ(w.displays, 1);
    RECT r;
    EXPECT_FALSE(GetUpdateRect(w.Handle(), &r, FALSE)); // painting validated it
    SendMessageA(w.Handle(), WM_PAINT, 0, 0);
    EXPECT_EQ(w.displays, 1);
}

TEST_F(EventsLiveWindow, DeferredCreateDoesNotReenter) {
    w.extra->inOnCreate = true;
    SendMessageA(w.Handle(), WM_USER + 1, 0, 0);
    EXPECT_EQ(log.Find("w.create"), -1);
    w.extra->inOnCreate = false;
    SendMessageA(w.Handle(), WM_USER + 1, 0, 0);
    EXPECT_EQ(Count("w.create"), 1);
    EXPECT_FALSE(w.extra->inOnCreate);
}

TEST_F(EventsLiveWindow, CursorFollowsFrameAndClient) {
    SendMessageA(w.Handle(), WM_NCMOUSEMOVE, 0, 0);
    EXPECT_TRUE(w.extra->cursorInFrame);
    SendMessageA(w.Handle(), WM_MOUSEMOVE, 0, 0);
    EXPECT_FALSE(w.extra->cursorInFrame);
    EXPECT_EQ(SendMessageA(w.Handle(), WM_SETCURSOR, 0, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), 0);
}

TEST(EventsContextStack, LeavingRestoresWhatWasCurrentBeforeEachEnter) {
    EventLog log;
    RecordingWindow a("a", &log), b("b", &log);
    ASSERT_TRUE(a.extra->Create());
    ASSERT_TRUE(b.extra->Create());
    HGLRC before = wglGetCurrentContext();
    EXPECT_EQ(before, b.extra->glContext); // creation leaves the new context current
    wglMakeCurrent(nullptr, nullptr);
    int depth = ContextStackDepth();
    ASSERT_TRUE(a.extra->MakeCurrent(true));
    EXPECT_EQ(wglGetCurrentContext(), a.extra->glContext);
    ASSERT_TRUE(b.extra->MakeCurrent(true));
    EXPECT_EQ(wglGetCurrentContext(), b.extra->glContext);
    EXPECT_EQ(wglGetCurrentDC(), b.extra->deviceContext);
    b.extra->MakeCurrent(false);
    EXPECT_EQ(wglGetCurrentContext(), a.extra->glContext);
    a.extra->MakeCurrent(false);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_EQ(ContextStackDepth(), depth);
}

TEST(EventsContextStack, PastSixteenLevelsLeavingMakesNoContextCurrent) {
    EventLog log;
    RecordingWindow a("a", &log);
    ASSERT_TRUE(a.extra->Create());
    int start = ContextStackDepth();
    while (ContextStackDepth() < 17)
        a.extra->MakeCurrent(true);
    a.extra->MakeCurrent(false); // depth 16: no slot to restore from
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    a.extra->MakeCurrent(false); // depth 15: the slot holds this window's own context
    EXPECT_EQ(wglGetCurrentContext(), a.extra->glContext);
    while (ContextStackDepth() > start)
        a.extra->MakeCurrent(false);
    EXPECT_EQ(ContextStackDepth(), start);
    // Leaving at depth 0 restores nothing.
}

TEST(EventsContextStack, DestroyRunsOnDestroyEvenWithoutAPlatformWindow) {
    struct Counting : GLWindow {
        int destroys = 0;
        void OnDestroy() override { ++destroys; }
    } w;
    int depth = ContextStackDepth();
    w.extra->Destroy();
    EXPECT_EQ(w.destroys, 1);
    EXPECT_EQ(ContextStackDepth(), depth);
}
