// A minimal program on the framework: two windows that clear to a colour. Closing the first
// ends the program; closing the second only hides it.
#include "framework/GLWindow.h"
#include "framework/Main.h"

namespace {
class ColourWindow : public GLWindow {
  public:
    ColourWindow(float r, float g, float b) : red(r), green(g), blue(b) {}
    void OnCreate() override { glViewport(0, 0, Width(), Height()); }
    void OnDisplay() override {
        glClearColor(red, green, blue, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        SwapBuffers();
    }
    void OnIdle() override { Redraw(); }

  private:
    float red, green, blue;
};

class DemoApp : public GLApp {
  public:
    DemoApp() {
        first.SetTitle("moonhop");
        first.SetSize(670, 400);
        first.SetPosition(10, 10);
        second.SetTitle("moonhop (second window)");
        second.SetSize(580, 300);
        second.SetPosition(600, 380);
    }

  private:
    ColourWindow first{0.05f, 0.05f, 0.15f};
    ColourWindow second{0.15f, 0.05f, 0.05f};
};

DemoApp app;
} // namespace
