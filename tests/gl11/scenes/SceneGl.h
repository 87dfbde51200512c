// The OpenGL 1.1 and GLU the scenes draw with: the system's, or in the build that draws through
// the layer, the layer's under the same names.
#pragma once

#ifdef MOONHOP_GL11
#include "gl11/OpenGL.h"
#else
#include <GL/gl.h>
#include <GL/glu.h>
#endif
