// The window procedure of "GLAppWnd" and the dispatch of messages to a window's event
// operations, each bracketed by entering and leaving the window's context where it draws.
#include "framework/GLWindow.h"

#include "framework/Main.h"

LRESULT CALLBACK GLWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        // Pointer-sized slot: a 32-bit one would cut a 64-bit record address in half.
        if (create && create->lpCreateParams)
            SetWindowLongPtrA(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* record = reinterpret_cast<GLWindowExtra*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!record)
        return DefWindowProcA(window, message, wParam, lParam);
    return record->Dispatch(window, message, wParam, lParam);
}

void GLWindowExtra::DeferredCreate() {
    if (inOnCreate)
        return;
    inOnCreate = true;
    if (MakeCurrent(true)) {
        owner->OnCreate();
        MakeCurrent(false);
    }
    inOnCreate = false;
}

LRESULT GLWindowExtra::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        return 0;
    case WM_SIZE:
        width = LOWORD(lParam);
        height = HIWORD(lParam);
        if (MakeCurrent(true)) {
            owner->OnResize(width, height);
            MakeCurrent(false);
        }
        return 0;
    case WM_PAINT: {
        RECT update;
        if (!GetUpdateRect(hwnd, &update, FALSE))
            return 0;
        PAINTSTRUCT paint;
        BeginPaint(hwnd, &paint);
        if (MakeCurrent(true)) {
            owner->OnDisplay();
            MakeCurrent(false);
        }
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_CLOSE:
        if (GLAppHost::Instance()->MainWindow() == this) {
            PostQuitMessage(static_cast<int>(wParam));
            return DefWindowProcA(hwnd, WM_CLOSE, wParam, lParam);
        }
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    case WM_SETCURSOR:
        if (cursorInFrame)
            return DefWindowProcA(hwnd, message, wParam, lParam);
        SetCursor(cursor);
        return 0;
    case WM_NCMOUSEMOVE:
        cursorInFrame = true;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_KEYDOWN:
        owner->OnKeyboard(static_cast<int>(wParam), true);
        return 0;
    case WM_KEYUP:
        owner->OnKeyboard(static_cast<int>(wParam), false);
        return 0;
    case WM_MOUSEMOVE: {
        int mx = static_cast<short>(LOWORD(lParam));
        int my = height - static_cast<short>(HIWORD(lParam)) - 1;
        if (MakeCurrent(true)) {
            owner->OnMouseMove(mx, my);
            MakeCurrent(false);
        }
        cursorInFrame = false;
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        if (!MakeCurrent(true))
            return 0;
        bool pressed =
            message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
        MouseButton button = (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP)   ? LeftButton
                             : (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP) ? MiddleButton
                                                                                      : RightButton;
        if (pressed)
            SetCapture(hwnd);
        else
            ReleaseCapture();
        owner->OnMouseButton(button, pressed);
        MakeCurrent(false);
        return 0;
    }
    case kDeferredCreateMessage:
        DeferredCreate();
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
