#include "gl11/Assembly.h"

namespace gl11 {

namespace {
void Triangle(GLuint first, int a, int b, int c, std::vector<GLuint>& out) {
    out.push_back(first + static_cast<GLuint>(a));
    out.push_back(first + static_cast<GLuint>(b));
    out.push_back(first + static_cast<GLuint>(c));
}

void Segment(GLuint first, int a, int b, std::vector<GLuint>& out) {
    out.push_back(first + static_cast<GLuint>(a));
    out.push_back(first + static_cast<GLuint>(b));
}
} // namespace

bool IsBeginMode(GLenum mode) {
    return mode <= GL_POLYGON;
}

Primitive PrimitiveOf(GLenum mode) {
    if (mode == GL_POINTS)
        return Primitive::Points;
    if (mode == GL_LINES || mode == GL_LINE_STRIP || mode == GL_LINE_LOOP)
        return Primitive::Lines;
    return Primitive::Triangles;
}

void Assemble(GLenum mode, GLuint first, int n, std::vector<GLuint>& out) {
    switch (mode) {
    case GL_LINES:
        for (int i = 0; i + 1 < n; i += 2)
            Segment(first, i, i + 1, out);
        break;
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
        for (int i = 0; i + 1 < n; ++i)
            Segment(first, i, i + 1, out);
        if (mode == GL_LINE_LOOP && n >= 2)
            Segment(first, n - 1, 0, out);
        break;
    case GL_TRIANGLES:
        for (int i = 0; i + 2 < n; i += 3)
            Triangle(first, i, i + 1, i + 2, out);
        break;
    case GL_TRIANGLE_STRIP:
        // Every other triangle swaps its first two vertices to keep the strip's winding.
        for (int i = 0; i + 2 < n; ++i) {
            if (i % 2 == 0)
                Triangle(first, i, i + 1, i + 2, out);
            else
                Triangle(first, i + 1, i, i + 2, out);
        }
        break;
    case GL_TRIANGLE_FAN:
    case GL_POLYGON:
        for (int i = 1; i + 1 < n; ++i)
            Triangle(first, 0, i, i + 1, out);
        break;
    case GL_QUADS:
        // Quad a b c d splits along a-c.
        for (int i = 0; i + 3 < n; i += 4) {
            Triangle(first, i, i + 1, i + 2, out);
            Triangle(first, i, i + 2, i + 3, out);
        }
        break;
    case GL_QUAD_STRIP:
        // Quad i is the polygon 2i, 2i+1, 2i+3, 2i+2, split along 2i to 2i+3.
        for (int i = 0; i + 3 < n; i += 2) {
            Triangle(first, i, i + 1, i + 3, out);
            Triangle(first, i, i + 3, i + 2, out);
        }
        break;
    default:
        break;
    }
}

} // namespace gl11
