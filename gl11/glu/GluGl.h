// The OpenGL the GLU sources draw with: the layer's (plain names mapped onto it), or the
// system's when built for the tests that compare our GLU with the system's.
#pragma once

#ifdef MOONHOP_GLU_ON_SYSTEM_GL
#include <GL/gl.h>
#else
#include "gl11/Gl.h"
#include "gl11/GlNames.h"
#endif

#include "gl11/Glu.h"
