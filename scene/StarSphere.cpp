#include "scene/StarSphere.h"

void StarSphere::Draw() const {
    if (!quadric)
        return;
    glPushMatrix();
    // Seen from inside, with the picture's own colours.
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glColor3d(1, 1, 1);
    // GLU puts the poles on z; the sky wants them on y.
    glRotatef(-90, 1, 0, 0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    gluSphere(quadric, radius, slices, stacks);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glEnable(GL_CULL_FACE);
    glPopMatrix();
}
