// Records what a piece of drawing code sends down the pipeline, with OpenGL's feedback mode.
// The projection is set up so that window coordinates equal world x and y within +-1000.
#pragma once

#include "platform/Win32.h"
#include "scene/Vec3.h"

#include <functional>
#include <vector>

struct FedPrimitive {
    enum Kind { Point, Line, Polygon, Other } kind;
    std::vector<Vec3> vertices; // x, y are world coordinates; z is window depth
};

inline std::vector<FedPrimitive> CaptureFeedback(const std::function<void()>& draw,
                                                 std::size_t capacity = 1 << 20) {
    std::vector<GLfloat> buffer(capacity);
    glViewport(-1000, -1000, 2000, 2000);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-1000, 1000, -1000, 1000, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glFeedbackBuffer(static_cast<GLsizei>(capacity), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    GLint used = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();

    std::vector<FedPrimitive> out;
    auto vertex = [&](GLint& i) {
        Vec3 v(buffer[i], buffer[i + 1], buffer[i + 2]);
        i += 3;
        return v;
    };
    for (GLint i = 0; i < used;) {
        GLint token = static_cast<GLint>(buffer[i++]);
        FedPrimitive p{FedPrimitive::Other, {}};
        switch (token) {
        case GL_POINT_TOKEN:
            p.kind = FedPrimitive::Point;
            p.vertices.push_back(vertex(i));
            break;
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN:
            p.kind = FedPrimitive::Line;
            p.vertices.push_back(vertex(i));
            p.vertices.push_back(vertex(i));
            break;
        case GL_POLYGON_TOKEN: {
            p.kind = FedPrimitive::Polygon;
            GLint n = static_cast<GLint>(buffer[i++]);
            for (GLint k = 0; k < n; ++k)
                p.vertices.push_back(vertex(i));
            break;
        }
        case GL_BITMAP_TOKEN:
        case GL_DRAW_PIXEL_TOKEN:
        case GL_COPY_PIXEL_TOKEN:
            p.vertices.push_back(vertex(i));
            break;
        default: // pass-through marker and its value
            i += 1;
            break;
        }
        out.push_back(p);
    }
    if (used < 0)
        out.push_back(FedPrimitive{FedPrimitive::Other, {}}); // overflow shows as a stray entry
    return out;
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
