// The OpenGL the program is compiled against: OpenGL 1.1, GLU and the extension declarations
// (entry point types and enumerants; entry points themselves come from wglGetProcAddress). The
// backend chooses them: a build that draws through another implementation names its header in
// MOONHOP_OPENGL_HEADER; otherwise they are the system's. Included by platform/Win32.h, after
// the declarations the system's GL headers rely on (APIENTRY, WINGDIAPI).
#pragma once

#ifdef MOONHOP_OPENGL_HEADER
#include MOONHOP_OPENGL_HEADER
#else
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
#endif
