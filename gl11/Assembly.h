// Turns the vertices of one glBegin/glEnd block into indexed lists of points, lines or
// triangles, in the order and with the splits the system's OpenGL 1.1 uses, so interpolation
// agrees.
#pragma once

#include "gl11/Gl.h"
#include "gl11/Vertex.h"

#include <vector>

namespace gl11 {

// Whether mode is one of glBegin's ten modes.
bool IsBeginMode(GLenum mode);
// The kind of list mode becomes.
Primitive PrimitiveOf(GLenum mode);
// Appends the indices of the block's line segments or triangles, whose count vertices start at
// first; vertices that make no whole primitive are left out. Points need no indices.
void Assemble(GLenum mode, GLuint first, int count, std::vector<GLuint>& out);

} // namespace gl11
