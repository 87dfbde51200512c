// What a program compiled against the layer sees in place of the system's <GL/gl.h>,
// <GL/glext.h> and <GL/glu.h>: the layer's OpenGL 1.1 and GLU with the program's names sent to
// it, and the extension declarations (entry point types and enumerants only: the layer offers
// no extension entry points). A build names it in MOONHOP_OPENGL_HEADER.
#pragma once

#include "gl11/Gl.h"
#include "gl11/GlNames.h"
#include "gl11/Glu.h"
#include "gl11/GluNames.h"

#include <GL/glext.h>
