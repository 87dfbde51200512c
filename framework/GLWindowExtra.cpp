// Creation and destruction of a window's platform window, pixel format, palette and context.
#include "framework/GLWindow.h"

#include "framework/Console.h"
#include "framework/GLContextRecord.h"
#include "framework/Main.h"

#include <cstring>

GLWindowExtra::GLWindowExtra(GLWindow* ownerWindow)
    : owner(ownerWindow), cursor(LoadCursorA(nullptr, IDC_ARROW)) {}

GLWindowExtra::~GLWindowExtra() {
    Destroy();
}

bool GLWindowExtra::Create() {
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    const DWORD exStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
    int outerWidth = CW_USEDEFAULT;
    int outerHeight = CW_USEDEFAULT;
    if (width != CW_USEDEFAULT && height != CW_USEDEFAULT) {
        RECT r = {0, 0, width, height};
        AdjustWindowRect(&r, style, FALSE);
        outerWidth = r.right - r.left;
        outerHeight = r.bottom - r.top;
    }
    window =
        CreateWindowExA(exStyle, "GLAppWnd", title.c_str(), style, x, y, outerWidth, outerHeight,
                        nullptr, nullptr, GLAppHost::Instance()->InstanceHandle(), this);
    if (!window) {
        framework::PrintToConsole("Failed to create window\n");
        return false;
    }
    deviceContext = GetDC(window);
    if (!ApplyPixelFormat()) {
        framework::PrintToConsole("Failed to set pixel format\n");
        return false;
    }
    glContext = wglCreateContext(deviceContext);
    if (!glContext) {
        framework::PrintToConsole("Failed to create GL context\n");
        return false;
    }
    SetUpPalette();
    // Deliberately not left again: the new context stays current after creation.
    if (!MakeCurrent(true)) {
        framework::PrintToConsole("Failed to make GL context current\n");
        return false;
    }
    ShowWindow(window, SW_SHOW);
    RECT client;
    if (GetClientRect(window, &client)) {
        width = client.right - client.left;
        height = client.bottom - client.top;
    }
    PostMessageA(window, kDeferredCreateMessage, 0, 0);
    return true;
}

void GLWindowExtra::Destroy() {
    MakeCurrent(true);
    owner->OnDestroy();
    // What was made in the context goes while the context is still current.
    if (glContext && wglGetCurrentContext() == glContext)
        ReleaseCurrentContextRecord();
    MakeCurrent(false);
    if (glContext) {
        wglDeleteContext(glContext);
        glContext = nullptr;
    }
    if (palette) {
        DeleteObject(palette);
        palette = nullptr;
    }
    RECT r;
    if (window && GetWindowRect(window, &r)) {
        x = r.left;
        y = r.top;
    }
    if (window)
        DestroyWindow(window);
    window = nullptr;
    deviceContext = nullptr;
}

bool GLWindowExtra::Recreate() {
    if (window)
        Destroy();
    return Create();
}

bool GLWindowExtra::ApplyPixelFormat() {
    if (!deviceContext)
        return false;
    PIXELFORMATDESCRIPTOR pfd;
    std::memset(&pfd, 0, sizeof pfd);
    pfd.nSize = 40;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = static_cast<BYTE>(colourBits);
    pfd.cAlphaBits = static_cast<BYTE>(alphaBits);
    pfd.cAccumBits = static_cast<BYTE>(accumBits);
    pfd.cDepthBits = static_cast<BYTE>(depthBits);
    pfd.cStencilBits = static_cast<BYTE>(stencilBits);
    pfd.iLayerType = PFD_MAIN_PLANE;
    int format = ChoosePixelFormat(deviceContext, &pfd);
    if (format == 0)
        return false;
    return SetPixelFormat(deviceContext, format, &pfd) == 1;
}

void GLWindowExtra::SetUpPalette() {
    if (palette || !deviceContext)
        return;
    PIXELFORMATDESCRIPTOR pfd;
    if (!DescribePixelFormat(deviceContext, GetPixelFormat(deviceContext), sizeof pfd, &pfd))
        return;
    if (pfd.dwFlags & PFD_NEED_PALETTE)
        palette = CreatePalette(FixedLogicalPalette());
}
