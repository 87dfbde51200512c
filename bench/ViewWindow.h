// For drawing benchmarks: a hidden 640 x 480 window with a current context, a 45-degree
// perspective (gluPerspective, depth 1 to 5000), depth test and lighting on, and a camera at
// (0, eyeY, eyeZ) looking at (0, targetY, 0) with +y up.
#pragma once

#include "platform/Win32.h"
#include "tests/support/TestContext.h"

class ViewWindow {
  public:
    ViewWindow(double eyeY, double eyeZ, double targetY) {
        if (!context.Ok())
            return;
        glViewport(0, 0, 640, 480);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 640.0 / 480.0, 1.0, 5000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0, eyeY, eyeZ, 0, targetY, 0, 0, 1, 0);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
    }
    bool Ok() const { return context.Ok(); }

  private:
    TestContext context{640, 480};
};
