#include "scene/LandingDisk.h"

void LandingDisk::Draw() const {
    if (!quadric)
        return;
    glPushMatrix();
    // GLU builds the disk in the x-y plane facing +z; lay it down facing +y.
    glRotated(270, 1, 0, 0);
    glColor3d(0.9, 0.9, 0.9);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    gluDisk(quadric, 0, radius, slices, stacks);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}
