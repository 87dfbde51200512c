// Test doubles for the framework: an application and windows that log what reaches them.
#pragma once

#include "framework/GLWindow.h"
#include "framework/Main.h"

#include <functional>
#include <string>
#include <vector>

struct EventLog {
    std::vector<std::string> entries;
    void Add(const std::string& e) { entries.push_back(e); }
    // Index of the first entry equal to e, or -1.
    int Find(const std::string& e) const {
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i] == e)
                return static_cast<int>(i);
        return -1;
    }
};

class RecordingApp : public GLApp {
  public:
    explicit RecordingApp(EventLog* log = nullptr) : log(log) {}
    void OnInit() override { Note("app.init"); }
    void OnIdle() override {
        ++idlePasses;
        if (onIdle)
            onIdle();
    }
    void OnExit() override { Note("app.exit"); }
    int idlePasses = 0;
    std::function<void()> onIdle;

  private:
    void Note(const char* e) {
        if (log)
            log->Add(e);
    }
    EventLog* log;
};

// Logs each event with whether its own context was current when it ran.
class RecordingWindow : public GLWindow {
  public:
    RecordingWindow(const std::string& name, EventLog* log) : name(name), log(log) {}
    void OnCreate() override { Note("create"); }
    void OnDisplay() override {
        ++displays;
        Note("display");
        glClear(GL_COLOR_BUFFER_BIT);
        SwapBuffers();
    }
    void OnResize(int w, int h) override {
        lastResize[0] = w;
        lastResize[1] = h;
        if (extra->glContext)
            Note("resize");
    }
    void OnMouseButton(int button, bool pressed) override {
        Note("button " + std::to_string(button) + (pressed ? " down" : " up"));
    }
    void OnMouseMove(int x, int y) override {
        mouse[0] = x;
        mouse[1] = y;
        Note("move");
    }
    void OnKeyboard(int key, bool pressed) override {
        keyDepth = ContextStackDepth();
        Note("key " + std::to_string(key) + (pressed ? " down" : " up"));
    }
    void OnIdle() override {
        ++idles;
        idleDepth = ContextStackDepth();
        if (onIdle)
            onIdle();
    }

    HWND Handle() const { return extra->window; }

    std::string name;
    EventLog* log;
    int displays = 0, idles = 0;
    int mouse[2] = {-1, -1};
    int lastResize[2] = {-1, -1};
    int keyDepth = -1, idleDepth = -1;
    bool ownContextAlways = true; // every logged event ran with this window's context current
    std::function<void()> onIdle;

  private:
    void Note(const std::string& e) {
        bool own = wglGetCurrentContext() == extra->glContext && extra->glContext != nullptr;
        if (e.rfind("key", 0) != 0 && !own)
            ownContextAlways = false;
        log->Add(name + "." + e);
    }
};
