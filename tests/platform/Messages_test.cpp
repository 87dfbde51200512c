// Sent messages run inside the calls that cause them; the queue hands out messages in order.
#include "platform/Win32.h"
#include "tests/support/TestContext.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<UINT> seen;
LPVOID createParam = nullptr;

LRESULT CALLBACK LoggingProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    seen.push_back(m);
    if (m == WM_NCCREATE)
        createParam = reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams;
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(h, &ps);
        EndPaint(h, &ps);
        return 0;
    }
    return DefWindowProcA(h, m, w, l);
}

HWND MakeWindow(void* param = nullptr) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = LoggingProc;
        wc.lpszClassName = "MessagesTest";
        registered = RegisterClassA(&wc) != 0;
    }
    return CreateWindowExA(0, "MessagesTest", "m", WS_OVERLAPPEDWINDOW, 5, 5, 120, 80, nullptr,
                           nullptr, GetModuleHandleA(nullptr), param);
}

void Drain() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&m);
}
} // namespace

TEST(Messages, CreationSendsNcCreateCreateAndSizeBeforeReturning) {
    seen.clear();
    int marker = 0;
    HWND h = MakeWindow(&marker);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(createParam, &marker);
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen[0], (UINT)WM_NCCREATE);
    EXPECT_EQ(seen[1], (UINT)WM_CREATE);
    EXPECT_EQ(seen[2], (UINT)WM_SIZE);
    seen.clear();
    SetWindowPos(h, nullptr, 0, 0, 140, 90, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(seen, std::vector<UINT>{WM_SIZE});
    seen.clear();
    SetWindowPos(h, nullptr, 10, 10, 140, 90, SWP_NOZORDER); // same size: no WM_SIZE
    EXPECT_TRUE(seen.empty());
    DestroyWindow(h);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen[0], (UINT)WM_DESTROY);
    EXPECT_FALSE(IsWindow(h));
}

TEST(Messages, QueueOrderIsPostedThenQuitThenPaint) {
    Drain();
    HWND h = MakeWindow();
    ASSERT_NE(h, nullptr);
    ShowWindow(h, SW_SHOW);
    PostMessageA(h, WM_USER + 1, 1, 0);
    PostMessageA(h, WM_USER + 2, 2, 0);
    PostQuitMessage(3);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.message, (UINT)WM_USER + 1); // peeking without removing leaves it
    std::vector<UINT> order;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE) && order.size() < 10) {
        order.push_back(m.message);
        if (m.message == WM_QUIT) {
            EXPECT_EQ(m.wParam, 3u);
        }
        DispatchMessageA(&m);
    }
    ASSERT_GE(order.size(), 4u);
    EXPECT_EQ(order[0], (UINT)WM_USER + 1);
    EXPECT_EQ(order[1], (UINT)WM_USER + 2);
    // Window events from showing may come next; the quit message precedes painting.
    auto quit = std::find(order.begin(), order.end(), (UINT)WM_QUIT);
    auto paint = std::find(order.begin(), order.end(), (UINT)WM_PAINT);
    ASSERT_NE(quit, order.end());
    ASSERT_NE(paint, order.end());
    EXPECT_LT(quit, paint);
    EXPECT_EQ(order.back(), (UINT)WM_PAINT); // painting validated: the queue is empty
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(h);
}

TEST(Messages, PaintIsPendingOnlyForVisibleInvalidWindows) {
    Drain();
    HWND h = MakeWindow();
    RECT r;
    MSG m;
    InvalidateRect(h, nullptr, FALSE);
    EXPECT_TRUE(GetUpdateRect(h, &r, FALSE));
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)); // hidden: no paint
    ShowWindow(h, SW_SHOW);
    Drain();
    EXPECT_FALSE(GetUpdateRect(h, &r, FALSE));
    InvalidateRect(h, nullptr, FALSE);
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, (UINT)WM_PAINT);
    EXPECT_EQ(r.right, 0);
    ShowWindow(h, SW_HIDE);
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(h);
}

TEST(Messages, DefWindowProcDestroysOnClose) {
    HWND h = MakeWindow();
    EXPECT_EQ(DefWindowProcA(h, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(IsWindow(h));
}

TEST(Messages, UserDataHoldsAFullPointer) {
    HWND h = MakeWindow();
    LONG_PTR big = static_cast<LONG_PTR>(0x123456789ABCLL);
    SetWindowLongPtrA(h, GWLP_USERDATA, big);
    EXPECT_EQ(GetWindowLongPtrA(h, GWLP_USERDATA), big);
    EXPECT_TRUE(GetWindowLongA(h, GWL_STYLE) & WS_CAPTION);
    DestroyWindow(h);
}
