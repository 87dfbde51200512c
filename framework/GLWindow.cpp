#include "framework/GLWindow.h"

#include "framework/Assert.h"
#include "framework/Console.h"
#include "framework/Main.h"

#include <new>

GLWindow::GLWindow() {
    GLAppHost* host = GLAppHost::Instance();
    if (!host->RegisterWindowClass()) {
        framework::PrintToConsole("Failed to register window class\n");
        return;
    }
    extra = new (std::nothrow) GLWindowExtra(this);
    // clang-format off
    FW_ASSERT(extra!=NULL);
    // clang-format on
    host->AddWindow(extra);
}

GLWindow::~GLWindow() {
    if (!extra)
        return;
    GLAppHost::Instance()->RemoveWindow(extra);
    delete extra;
    extra = nullptr;
}

void GLWindow::OnDisplay() {
    glClear(GL_COLOR_BUFFER_BIT);
    SwapBuffers();
}

void GLWindow::OnResize(int width, int height) {
    glViewport(0, 0, width, height);
}

void GLWindow::SwapBuffers() {
    if (extra && extra->deviceContext)
        ::SwapBuffers(extra->deviceContext);
}

void GLWindow::Redraw() {
    if (extra && extra->window)
        InvalidateRect(extra->window, nullptr, FALSE);
}

void GLWindow::SetSize(int width, int height) {
    if (!extra)
        return;
    if (width < 0)
        width = 0;
    if (height < 0)
        height = 0;
    if (extra->window) {
        RECT r = {0, 0, width, height};
        DWORD style = static_cast<DWORD>(GetWindowLongA(extra->window, GWL_STYLE));
        if (AdjustWindowRect(&r, style, FALSE))
            SetWindowPos(extra->window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    extra->width = width;
    extra->height = height;
}

void GLWindow::SetPosition(int x, int y) {
    if (!extra)
        return;
    if (extra->window)
        SetWindowPos(extra->window, nullptr, x, y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    extra->x = x;
    extra->y = y;
}

int GLWindow::Width() const {
    return extra ? extra->width : 0;
}

int GLWindow::Height() const {
    return extra ? extra->height : 0;
}

int GLWindow::DepthBits() const {
    if (!extra)
        return 0;
    if (!extra->deviceContext)
        return extra->depthBits;
    PIXELFORMATDESCRIPTOR pfd;
    if (!DescribePixelFormat(extra->deviceContext, GetPixelFormat(extra->deviceContext), sizeof pfd,
                             &pfd))
        return 0;
    return pfd.cDepthBits;
}

bool GLWindow::SetDepthBits(int bits) {
    static bool warned = false;
    if (!extra || bits < 0 || bits > 255)
        return false;
    if (!extra->deviceContext) {
        extra->depthBits = bits;
        return true;
    }
    if (bits == DepthBits())
        return true;
    if (extra->inOnCreate) {
        if (!warned) {
            warned = true;
            GLAppHost::Instance()->ShowMessage(
                "Error: You cannot change pixel format in GLWindow::OnCreate\n(cannot change "
                "depth/alpha/stencil/accum bits, or any setting\nthat would recreate the window)");
        }
        return false;
    }
    int old = extra->depthBits;
    extra->depthBits = bits;
    if (extra->Recreate())
        return DepthBits() >= bits;
    extra->depthBits = old;
    extra->Recreate();
    return false;
}

bool GLWindow::SetTitle(const char* text) {
    if (!extra || !text)
        return false;
    extra->title = text;
    if (extra->window)
        return SetWindowTextA(extra->window, extra->title.c_str()) != 0;
    return true;
}

void GLWindow::MakeMainWindow() {
    if (extra)
        GLAppHost::Instance()->SetMainWindow(extra);
}
