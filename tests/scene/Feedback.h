// Records what a piece of drawing code sends down the pipeline, with OpenGL's feedback mode:
// each primitive with its vertices' window positions and lit colours. Needs a current context.
// Header only, so that the test programs of every layer above the scene can use it.
#pragma once

#include "platform/Win32.h"
#include "scene/Vec3.h"

#include <cstddef>
#include <functional>
#include <vector>

// x and y are window coordinates, z the window depth.
struct FedVertex : Vec3 {
    FedVertex(const Vec3& p, float r, float g, float b, float a)
        : Vec3(p), r(r), g(g), b(b), a(a) {}
    float r, g, b, a;
};

struct FedPrimitive {
    enum Kind { Point, Line, Polygon, Other }; // Line takes line-reset tokens too
    Kind kind;
    std::vector<FedVertex> vertices;
};

// The primitives draw produces under the current matrices and viewport; empty, with ok false,
// if the buffer overflowed.
inline std::vector<FedPrimitive> Feedback(const std::function<void()>& draw, bool* ok = nullptr) {
    std::vector<GLfloat> buffer(1 << 22);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    GLint used = glRenderMode(GL_RENDER);
    if (ok != nullptr)
        *ok = used >= 0;
    std::vector<FedPrimitive> fed;
    if (used < 0)
        return fed;
    buffer.resize(static_cast<std::size_t>(used));
    std::size_t at = 0;
    auto next = [&] { return at < buffer.size() ? buffer[at++] : 0.0f; };
    while (at < buffer.size()) {
        GLint token = static_cast<GLint>(next());
        FedPrimitive p{FedPrimitive::Other, {}};
        int count = 1; // bitmap and pixel tokens carry one vertex
        switch (token) {
        case GL_POLYGON_TOKEN:
            p.kind = FedPrimitive::Polygon;
            count = static_cast<int>(next());
            break;
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN:
            p.kind = FedPrimitive::Line;
            count = 2;
            break;
        case GL_POINT_TOKEN:
            p.kind = FedPrimitive::Point;
            break;
        case GL_PASS_THROUGH_TOKEN:
            next();
            continue;
        default:
            break;
        }
        for (int i = 0; i < count; ++i) {
            float x = next(), y = next(), z = next();
            float r = next(), g = next(), b = next(), a = next();
            p.vertices.push_back(FedVertex(Vec3(x, y, z), r, g, b, a));
        }
        fed.push_back(p);
    }
    return fed;
}

// Feedback under a projection that makes window x and y equal world x and y within +-1000. The
// matrices are restored afterwards; the viewport is left so.
inline std::vector<FedPrimitive> CaptureFeedback(const std::function<void()>& draw) {
    glViewport(-1000, -1000, 2000, 2000);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-1000, 1000, -1000, 1000, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    std::vector<FedPrimitive> fed = Feedback(draw);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    return fed;
}

inline std::size_t CountKind(const std::vector<FedPrimitive>& fed, FedPrimitive::Kind kind) {
    std::size_t n = 0;
    for (const FedPrimitive& p : fed)
        n += p.kind == kind;
    return n;
}

// Feedback reports a quad a, b, c, d as the two triangles a, b, d and b, c, d; this puts the
// pairs back together so tests can compare whole quads. Anything else is copied as it is.
inline std::vector<FedPrimitive> JoinQuads(const std::vector<FedPrimitive>& fed) {
    std::vector<FedPrimitive> out;
    for (std::size_t i = 0; i < fed.size(); ++i) {
        const FedPrimitive& p = fed[i];
        if (p.kind == FedPrimitive::Polygon && p.vertices.size() == 3 && i + 1 < fed.size()) {
            const FedPrimitive& q = fed[i + 1];
            if (q.kind == FedPrimitive::Polygon && q.vertices.size() == 3 &&
                q.vertices[0] == p.vertices[1] && q.vertices[2] == p.vertices[2]) {
                out.push_back(
                    FedPrimitive{FedPrimitive::Polygon,
                                 {p.vertices[0], p.vertices[1], q.vertices[1], p.vertices[2]}});
                ++i;
                continue;
            }
        }
        out.push_back(p);
    }
    return out;
}

// Lights along the positive (sign 1) or negative (sign -1) axes, one colour channel per axis,
// so that a lit white vertex's colour shows its normal.
inline void SetAxisLights(float sign) {
    const GLfloat black[4] = {0, 0, 0, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
    const GLfloat white[4] = {1, 1, 1, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
    glDisable(GL_COLOR_MATERIAL);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    for (int axis = 0; axis < 3; ++axis) {
        GLenum light = GL_LIGHT0 + axis;
        GLfloat direction[4] = {0, 0, 0, 0};
        direction[axis] = sign;
        GLfloat diffuse[4] = {0, 0, 0, 1};
        diffuse[axis] = 1;
        glLightfv(light, GL_POSITION, direction);
        glLightfv(light, GL_AMBIENT, black);
        glLightfv(light, GL_DIFFUSE, diffuse);
        glLightfv(light, GL_SPECULAR, black);
        glEnable(light);
    }
    glPopMatrix();
    glEnable(GL_LIGHTING);
}

// Decodes the normal in effect at every fed-back vertex, in order, by drawing twice under
// lights along the positive and then the negative axes. Leaves lighting off.
inline std::vector<Vec3> FedNormals(const std::function<void()>& draw) {
    SetAxisLights(1.0f);
    std::vector<FedPrimitive> plus = Feedback(draw);
    SetAxisLights(-1.0f);
    std::vector<FedPrimitive> minus = Feedback(draw);
    glDisable(GL_LIGHTING);
    std::vector<Vec3> normals;
    for (std::size_t i = 0; i < plus.size() && i < minus.size(); ++i) {
        for (std::size_t j = 0; j < plus[i].vertices.size() && j < minus[i].vertices.size(); ++j) {
            const FedVertex& p = plus[i].vertices[j];
            const FedVertex& m = minus[i].vertices[j];
            normals.push_back(Vec3(p.r - m.r, p.g - m.g, p.b - m.b));
        }
    }
    return normals;
}

// An orthographic view of the cube [-size, size]^3 onto a 64 x 64 viewport, identity modelview.
inline void LookAtCube(double size) {
    glViewport(0, 0, 64, 64);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-size, size, -size, size, -size, size);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// Where LookAtCube (size) puts a point on the 64 x 64 viewport.
inline Vec3 WindowPosition(const Vec3& p, double size) {
    return Vec3((p.x / size + 1.0) * 32.0, (p.y / size + 1.0) * 32.0, (-p.z / size + 1.0) * 0.5);
}
