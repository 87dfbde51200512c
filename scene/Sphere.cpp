#include "scene/Sphere.h"

#include "scene/Quadric.h"

Sphere::~Sphere() {
    ReleaseQuadric(quadric);
}

void Sphere::Create(float radius, int slices, int stacks, bool textured) {
    quadric = NewQuadric(quadric, textured);
    this->radius = radius;
    this->slices = slices;
    this->stacks = stacks;
}

void Sphere::Draw() const {
    if (!quadric)
        return;
    // Alpha is left alone: only the colour of the lit surface matters here.
    glColor3fv(colour.Data());
    glPushMatrix();
    gluSphere(quadric, radius, slices, stacks);
    glPopMatrix();
}
