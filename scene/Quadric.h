// The quadric set-up shared by the GLU bodies.
#pragma once

#include "platform/Win32.h"

// Replaces `old` (deleted if present) with a new quadric that has smooth normals and, when
// textured, texture coordinates. Returns null if GLU could not allocate one.
GLUquadric* NewQuadric(GLUquadric* old, bool textured);

// Deletes the quadric if there is one.
void ReleaseQuadric(GLUquadric* quadric);
