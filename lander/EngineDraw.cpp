#include "lander/Engine.h"

#include "platform/Win32.h"

void Engine::DrawThrustLine() const {
    Vec3 end = nozzle + thrust;
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_LINES);
    glVertex3d(nozzle.x, nozzle.y, nozzle.z);
    glVertex3d(end.x, end.y, end.z);
    glEnd();
}
