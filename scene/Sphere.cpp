#include "scene/Sphere.h"

void Sphere::Draw() const {
    if (!quadric)
        return;
    // Alpha is left alone: only the colour of the lit surface matters here.
    glColor3fv(colour.Data());
    glPushMatrix();
    gluSphere(quadric, radius, slices, stacks);
    glPopMatrix();
}
