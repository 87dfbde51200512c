#include "scene/LandingDisk.h"

#include "scene/Quadric.h"
#include "scene/TextureLoading.h"

LandingDisk::~LandingDisk() {
    ReleaseQuadric(quadric);
}

void LandingDisk::Create(float radius, int slices, int stacks, bool textured) {
    quadric = NewQuadric(quadric, textured);
    this->radius = radius;
    this->slices = slices;
    this->stacks = stacks;
}

void LandingDisk::LoadTexture() {
    texture = LoadMipmappedTexture(image, "LandingDisk.bmp");
}

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
