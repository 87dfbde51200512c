#include "lander/Lander.h"

#include "platform/Win32.h"

namespace {
void Vertex(const Vec3& p) {
    glVertex3d(p.x, p.y, p.z);
}

void DrawFace(const Vec3& normal, const Vec3* corners, int a, int b, int c, int d) {
    glBegin(GL_QUADS);
    glNormal3d(normal.x, normal.y, normal.z);
    Vertex(corners[a]);
    Vertex(corners[b]);
    Vertex(corners[c]);
    Vertex(corners[d]);
    glEnd();
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
    DrawFace(normals[Top], body, 0, 1, 2, 3);
    DrawFace(normals[MinusX], body, 0, 4, 7, 1);
    DrawFace(normals[PlusZ], body, 1, 7, 6, 2);
    DrawFace(normals[PlusX], body, 2, 6, 5, 3);
    DrawFace(normals[MinusZ], body, 3, 5, 4, 0);
    DrawFace(normals[Bottom], body, 4, 5, 6, 7);
    // The legs take the bottom face's normal and the body's colour.
    for (int k = 0; k < 6; ++k) {
        glBegin(GL_LINE_STRIP);
        Vertex(legs[3 * k]);
        Vertex(legs[3 * k + 1]);
        Vertex(legs[3 * k + 2]);
        glEnd();
    }
    glPopMatrix();
}
