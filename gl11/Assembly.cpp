#include "gl11/Assembly.h"

namespace gl11 {

namespace {
void Triangle(const Vertex* v, int a, int b, int c, std::vector<Vertex>& out) {
    out.push_back(v[a]);
    out.push_back(v[b]);
    out.push_back(v[c]);
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

void Assemble(GLenum mode, const Vertex* v, int n, std::vector<Vertex>& out) {
    switch (mode) {
    case GL_POINTS:
        out.insert(out.end(), v, v + n);
        break;
    case GL_LINES:
        out.insert(out.end(), v, v + (n & ~1));
        break;
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
        for (int i = 0; i + 1 < n; ++i) {
            out.push_back(v[i]);
            out.push_back(v[i + 1]);
        }
        if (mode == GL_LINE_LOOP && n >= 2) {
            out.push_back(v[n - 1]);
            out.push_back(v[0]);
        }
        break;
    case GL_TRIANGLES:
        out.insert(out.end(), v, v + n / 3 * 3);
        break;
    case GL_TRIANGLE_STRIP:
        // Every other triangle swaps its first two vertices to keep the strip's winding.
        for (int i = 0; i + 2 < n; ++i) {
            if (i % 2 == 0)
                Triangle(v, i, i + 1, i + 2, out);
            else
                Triangle(v, i + 1, i, i + 2, out);
        }
        break;
    case GL_TRIANGLE_FAN:
    case GL_POLYGON:
        for (int i = 1; i + 1 < n; ++i)
            Triangle(v, 0, i, i + 1, out);
        break;
    case GL_QUADS:
        // Quad a b c d splits along a-c.
        for (int i = 0; i + 3 < n; i += 4) {
            Triangle(v, i, i + 1, i + 2, out);
            Triangle(v, i, i + 2, i + 3, out);
        }
        break;
    case GL_QUAD_STRIP:
        // Quad i is the polygon 2i, 2i+1, 2i+3, 2i+2, split along 2i to 2i+3.
        for (int i = 0; i + 3 < n; i += 2) {
            Triangle(v, i, i + 1, i + 3, out);
            Triangle(v, i, i + 3, i + 2, out);
        }
        break;
    default:
        break;
    }
}

} // namespace gl11
