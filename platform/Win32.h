// The Windows API subset the framework is written against. On Windows these are the system
// headers; elsewhere our layer over SDL2 declares and implements the same names.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <olectl.h>
#include <GL/gl.h>
#include <GL/glu.h>
#else
#include "platform/sdl/Win32Api.h"
#include "platform/sdl/Win32Imaging.h"
#ifdef MOONHOP_GL11
// The program's OpenGL and GLU calls go to the layer over OpenGL ES.
#include "gl11/Gl.h"
#include "gl11/GlNames.h"
#include "gl11/Glu.h"
#include "gl11/GluNames.h"
#else
#include <GL/gl.h>
#include <GL/glu.h>
#endif
#endif
