// The smallest backend: no window system, no OpenGL and no picture decoders beside the core's
// own (platform/codecs/None.cpp). It is everything a backend must provide besides the core,
// so the core is linked here with nothing else, as a check that it needs nothing else.
#include "platform/core/Pictures.h"

#include <cstdio>

namespace win32 {

bool EnsureDisplay() {
    return false;
}

bool CreateNativeWindow(Window&, int) {
    return false;
}
void DestroyNativeWindow(Window&) {}
void ShowNativeWindow(Window&) {}
void HideNativeWindow(Window&) {}
void MoveNativeWindow(Window&) {}
void ResizeNativeWindow(Window&) {}
void RetitleNativeWindow(Window&) {}
void ReadNativePosition(Window&) {}
void PresentNativeWindow(Window&) {}
void ShowNativeCursor(bool) {}
void CaptureNativeMouse(bool) {}

void PumpNativeEvents() {}
DWORD MessageTime() {
    return 0;
}
POINT NativeCursorPosition() {
    return POINT{0, 0};
}

void MakeNoContextCurrent() {
    GetState().currentContext = nullptr;
    GetState().currentDc = nullptr;
}

} // namespace win32

int ChoosePixelFormat(HDC, const PIXELFORMATDESCRIPTOR*) {
    return 0;
}
BOOL SetPixelFormat(HDC, int, const PIXELFORMATDESCRIPTOR*) {
    return FALSE;
}
int GetPixelFormat(HDC) {
    return 0;
}
int DescribePixelFormat(HDC, int, UINT, PIXELFORMATDESCRIPTOR*) {
    return 0;
}

HGLRC wglCreateContext(HDC) {
    return nullptr;
}
BOOL wglDeleteContext(HGLRC) {
    return FALSE;
}
BOOL wglMakeCurrent(HDC, HGLRC context) {
    win32::MakeNoContextCurrent();
    return context ? FALSE : TRUE;
}
HGLRC wglGetCurrentContext() {
    return nullptr;
}
HDC wglGetCurrentDC() {
    return nullptr;
}
PROC wglGetProcAddress(LPCSTR) {
    return nullptr;
}

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT) {
    std::fprintf(stderr, "%s: %s\n", caption ? caption : "Error", text ? text : "");
    return 1; // IDOK
}
