#include "lander/ParticleSystem.h"

#include "platform/Win32.h"

void ParticleSystem::Draw() {
    glDisable(GL_LIGHTING);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    for (int i = 0; i < count; ++i) {
        const Particle& p = slots[i];
        if (p.alive && p.life > 0.0) {
            glColor4d(p.colour.r, p.colour.g, p.colour.b, p.life);
            glPointSize(static_cast<GLfloat>(p.life));
            glBegin(GL_POINTS);
            glVertex3d(p.position.x, p.position.y, p.position.z);
            glEnd();
        } else if (emitting) {
            // Reborn now, drawn from the next frame on.
            Spawn(i);
        }
    }
    glPointSize(1.0f);
    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);
}
