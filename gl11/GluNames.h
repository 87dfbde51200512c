// Sends the program's GLU calls to the layer's GLU: included, after Glu.h, instead of
// <GL/glu.h> by a build that draws through OpenGL ES.
#pragma once

#include "gl11/Glu.h"

#define GLUquadric gl11::GLUquadric
#define GLUquadricObj gl11::GLUquadric
#define gluNewQuadric gl11::gluNewQuadric
#define gluDeleteQuadric gl11::gluDeleteQuadric
#define gluQuadricNormals gl11::gluQuadricNormals
#define gluQuadricTexture gl11::gluQuadricTexture
#define gluSphere gl11::gluSphere
#define gluDisk gl11::gluDisk
#define gluLookAt gl11::gluLookAt
#define gluBuild2DMipmaps gl11::gluBuild2DMipmaps
