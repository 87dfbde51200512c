// Sent messages run inside the calls that cause them; the queue hands out messages in order.
#include "platform/Win32.h"
#include "tests/support/TestContext.h"

#include <gtest/gtest.h>

#include <algorithm>
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

HWND MakeWindow(void* param = nullptr, DWORD style = WS_OVERLAPPEDWINDOW) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = LoggingProc;
        wc.lpszClassName = "MessagesTest";
        registered = RegisterClassA(&wc) != 0;
    }
    return CreateWindowExA(0, "MessagesTest", "m", style, 5, 5, 120, 80, nullptr, nullptr,
                           GetModuleHandleA(nullptr), param);
}

// Where m first appears in what the procedure saw, or -1. Windows sends more messages than
// the ones tested here (WM_GETMINMAXINFO, WM_NCCALCSIZE, activation), so only order counts.
int IndexOf(UINT m) {
    auto it = std::find(seen.begin(), seen.end(), m);
    return it == seen.end() ? -1 : static_cast<int>(it - seen.begin());
}

int Count(UINT m) {
    return static_cast<int>(std::count(seen.begin(), seen.end(), m));
}

void Drain() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&m);
}
} // namespace

TEST(Messages, CreationSendsNcCreateThenCreateAndFirstShowingTheSize) {
    seen.clear();
    int marker = 0;
    HWND h = MakeWindow(&marker);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(createParam, &marker);
    ASSERT_GE(IndexOf(WM_NCCREATE), 0);
    EXPECT_GT(IndexOf(WM_CREATE), IndexOf(WM_NCCREATE));
    EXPECT_EQ(Count(WM_SIZE), 0); // an overlapped window hears its size when first shown
    seen.clear();
    ShowWindow(h, SW_SHOW);
    EXPECT_EQ(Count(WM_SIZE), 1);
    ShowWindow(h, SW_HIDE);
    ShowWindow(h, SW_SHOW);
    EXPECT_EQ(Count(WM_SIZE), 1); // only the first time
    seen.clear();
    SetWindowPos(h, nullptr, 0, 0, 140, 90, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Count(WM_SIZE), 1);
    seen.clear();
    SetWindowPos(h, nullptr, 10, 10, 140, 90, SWP_NOZORDER | SWP_NOACTIVATE); // same size
    EXPECT_EQ(Count(WM_SIZE), 0);
    seen.clear();
    DestroyWindow(h);
    EXPECT_GE(IndexOf(WM_DESTROY), 0);
    EXPECT_FALSE(IsWindow(h));
}

TEST(Messages, APopupHearsItsSizeInsideCreation) {
    seen.clear();
    HWND h = MakeWindow(nullptr, WS_POPUP);
    ASSERT_NE(h, nullptr);
    EXPECT_GT(IndexOf(WM_SIZE), IndexOf(WM_CREATE));
    DestroyWindow(h);
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
        // A pointer that happens to lie over the new window may move it at any time.
        const bool mouse = m.message == WM_MOUSEMOVE || m.message == WM_NCMOUSEMOVE;
        if (!mouse)
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
    DestroyWindow(h);
}

TEST(Messages, PaintIsPendingOnlyForVisibleInvalidWindows) {
    Drain();
    HWND h = MakeWindow();
    RECT r;
    MSG m;
    EXPECT_TRUE(InvalidateRect(h, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(h, &r, FALSE)); // a hidden window gathers no update region
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    ShowWindow(h, SW_SHOW);
    EXPECT_TRUE(GetUpdateRect(h, &r, FALSE)); // showing marks it
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
