// The Windows API subset the framework is written against. On Windows these are the system
// headers; elsewhere our layer over SDL2 declares and implements the same names.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <olectl.h>
#include <windows.h>
#else
#include "platform/sdl/Win32Api.h"
#include "platform/sdl/Win32Imaging.h"
#endif

#include "platform/OpenGL.h"
