#include "framework/Main.h"

#include "framework/Assert.h"
#include "framework/Console.h"
#include "framework/GLWindow.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>

namespace {
GLAppHost* host = nullptr;

void DeleteHost() {
    delete host;
    host = nullptr;
}
} // namespace

GLApp::GLApp() {
    GLAppHost* h = GLAppHost::Instance();
    if (h->m_pApp) {
        framework::PrintToConsole("Error: more than one application instance defined!\n");
        std::exit(1);
    }
    h->m_pApp = this;
}

GLApp::~GLApp() {
    if (host && host->m_pApp == this)
        host->m_pApp = nullptr;
}

GLAppHost* GLAppHost::Instance() {
    if (!host) {
        GLAppHost* self = new (std::nothrow) GLAppHost;
        // clang-format off
        FW_ASSERT(self!=NULL);
        // clang-format on
        host = self;
        std::atexit(DeleteHost);
    }
    return host;
}

GLAppHost::~GLAppHost() {
    if (classAtom != 0 && instance)
        UnregisterClassA(MAKEINTATOM(classAtom), instance);
}

HINSTANCE GLAppHost::InstanceHandle() {
    if (!instance)
        instance = GetModuleHandleA(nullptr);
    return instance;
}

int GLAppHost::Run(int, char**) {
    // clang-format off
    FW_ASSERT(m_pApp!=NULL);
    // clang-format on
    m_pApp->OnInit();
    // The list may change while windows are created, so it is re-read at every step.
    for (size_t i = 0; i < windows.size(); ++i)
        if (!windows[i]->HasWindow())
            windows[i]->Recreate();
    int result = windows.empty() ? 0 : PumpMessages();
    m_pApp->OnExit();
    return result;
}

int GLAppHost::PumpMessages() {
    MSG msg = {};
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            if (msg.message == WM_QUIT)
                return static_cast<int>(msg.wParam);
            continue;
        }
        if (m_pApp)
            m_pApp->OnIdle();
        for (size_t i = 0; i < windows.size(); ++i)
            windows[i]->owner->OnIdle();
    }
}

bool GLAppHost::AddWindow(GLWindowExtra* record) {
    if (!record)
        return false;
    if (windows.empty())
        SetMainWindow(record);
    windows.push_back(record);
    return true;
}

void GLAppHost::RemoveWindow(GLWindowExtra* record) {
    auto it = std::find(windows.begin(), windows.end(), record);
    if (it != windows.end())
        windows.erase(it);
}

bool GLAppHost::SetMainWindow(GLWindowExtra* record) {
    if (!record)
        return false;
    mainWindow = record;
    return true;
}

bool GLAppHost::RegisterWindowClass() {
    if (classAtom != 0)
        return true;
    WNDCLASSA wc = {};
    wc.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = GLWindowProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = InstanceHandle();
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;
    wc.lpszMenuName = "MainMenu";
    wc.lpszClassName = "GLAppWnd";
    classAtom = RegisterClassA(&wc);
    return classAtom != 0;
}

void GLAppHost::ShowMessage(const char* format, ...) {
    std::unique_ptr<char[]> text(new (std::nothrow) char[1024]);
    if (!text)
        return;
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(text.get(), 1024, format, args);
    va_end(args);
    if (n < 0 || n > 1023)
        return;
    if (consoleMode) {
        framework::PrintToConsole(text.get());
    } else {
        MessageBoxA(nullptr, text.get(), "Message", MB_OK);
    }
}
