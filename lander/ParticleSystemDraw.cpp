#include "lander/ParticleSystem.h"

#include "lander/PointProgram.h"
#include "platform/Win32.h"

void ParticleSystem::Draw() {
    glDisable(GL_LIGHTING);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    // An empty pool needs no program: nothing is drawn and nothing is reborn.
    if (count <= 0 || drawPath == ParticleDrawPath::Immediate || !DrawBatched())
        DrawImmediate();
    glPointSize(1.0f);
    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);
}

void ParticleSystem::DrawImmediate() {
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
}

bool ParticleSystem::DrawBatched() {
    PointProgramKind kind = PointProgramKind::ArbProgram;
    bool bound = false;
    if (drawPath != ParticleDrawPath::VertexShader)
        bound = BindPointProgram(kind);
    if (!bound && drawPath != ParticleDrawPath::VertexProgram) {
        kind = PointProgramKind::GlslShader;
        bound = BindPointProgram(kind);
    }
    if (!bound)
        return false;
    const int points = GatherLivePoints();
    if (points > 0) {
        const GLsizei stride = kBatchStride * sizeof(float);
        glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
        glVertexPointer(3, GL_FLOAT, stride, batch);
        glColorPointer(4, GL_FLOAT, stride, batch + 3);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glDrawArrays(GL_POINTS, 0, points);
        glPopClientAttrib();
        // The arrays leave the current colour undefined; the reference leaves the last point's.
        glColor4fv(batch + (points - 1) * kBatchStride + 3);
    }
    UnbindPointProgram(kind);
    return true;
}

int ParticleSystem::GatherLivePoints() {
    int points = 0;
    for (int i = 0; i < count; ++i) {
        const Particle& p = slots[i];
        if (p.alive && p.life > 0.0) {
            // The same single-precision values the reference hands over one call at a time.
            float* out = batch + points * kBatchStride;
            out[0] = static_cast<float>(p.position.x);
            out[1] = static_cast<float>(p.position.y);
            out[2] = static_cast<float>(p.position.z);
            out[3] = p.colour.r;
            out[4] = p.colour.g;
            out[5] = p.colour.b;
            out[6] = static_cast<float>(p.life);
            ++points;
        } else if (emitting) {
            Spawn(i);
        }
    }
    return points;
}
