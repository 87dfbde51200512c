// Turns the vertices of one glBegin/glEnd block into lists of points, lines or triangles, in
// the order and with the splits the system's OpenGL 1.1 uses, so interpolation agrees.
#pragma once

#include "gl11/Gl.h"
#include "gl11/Vertex.h"

#include <vector>

namespace gl11 {

// Whether mode is one of glBegin's ten modes.
bool IsBeginMode(GLenum mode);
// The kind of list mode becomes.
Primitive PrimitiveOf(GLenum mode);
// Appends the block's primitives to out; vertices that make no whole primitive are dropped.
void Assemble(GLenum mode, const Vertex* block, int count, std::vector<Vertex>& out);

} // namespace gl11
