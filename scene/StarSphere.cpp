#include "scene/StarSphere.h"

#include "scene/Quadric.h"
#include "scene/TextureLoading.h"

StarSphere::~StarSphere() {
    ReleaseQuadric(quadric);
}

void StarSphere::Create(float radius, int slices, int stacks, bool textured) {
    quadric = NewQuadric(quadric, textured);
    this->radius = radius;
    this->slices = slices;
    this->stacks = stacks;
}

void StarSphere::LoadTexture() {
    texture = LoadMipmappedTexture(image, "StarSphere.bmp");
}

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
