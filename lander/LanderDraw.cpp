#include "lander/Lander.h"

#include "platform/Win32.h"

namespace {
void Vertex(const Vec3& p) {
    glVertex3d(p.x, p.y, p.z);
}
} // namespace

// Everything is already in world space: no transformation of our own.
void Lander::Draw() {
    engine.DrawThrustLine();
    engine.particles.Draw();
    mast->Draw();
    head->Draw();

    glPushMatrix();
    glColor4fv(colour.Data());
    DrawBoxFaces(body, kTopFirstFaces, normals);
    // The legs take the bottom face's normal and the body's colour.
    for (int leg = 0; leg < kLegCount; ++leg) {
        glBegin(GL_LINE_STRIP);
        for (int point = 0; point < kPointsPerLeg; ++point)
            Vertex(legs[LegPointIndex(leg, LegPoint(point))]);
        glEnd();
    }
    glPopMatrix();
}
