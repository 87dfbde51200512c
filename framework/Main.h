// The application object and the process-wide host that owns the window list, the window
// class and the message loop.
#pragma once

#include "platform/Win32.h"

#include <vector>

class GLWindowExtra;

// Base of the program's one global application object.
class GLApp {
  public:
    GLApp();
    virtual void OnInit() {}
    virtual void OnIdle() {}
    virtual void OnExit() {}
    virtual ~GLApp();
};

class GLAppHost {
  public:
    virtual ~GLAppHost();
    GLAppHost(const GLAppHost&) = delete;
    GLAppHost& operator=(const GLAppHost&) = delete;

    // The singleton, created on first call; deleted by an exit handler.
    static GLAppHost* Instance();

    int Run(int argc, char** argv);
    int PumpMessages();
    bool AddWindow(GLWindowExtra* record);
    void RemoveWindow(GLWindowExtra* record);
    bool SetMainWindow(GLWindowExtra* record);
    GLWindowExtra* MainWindow() const { return mainWindow; }
    bool RegisterWindowClass();
    // printf-style; text longer than 1023 characters is not shown.
    void ShowMessage(const char* format, ...);

    HINSTANCE InstanceHandle();
    const std::vector<GLWindowExtra*>& Windows() const { return windows; }

    GLApp* m_pApp = nullptr;
    HINSTANCE instance = nullptr;
    ATOM classAtom = 0;
    std::vector<GLWindowExtra*> windows;
    bool consoleMode = false;
    GLWindowExtra* mainWindow = nullptr;

  private:
    GLAppHost() = default;
};
