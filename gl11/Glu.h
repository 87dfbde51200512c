// The GLU subset the program calls, for builds that draw through the layer: quadrics (spheres
// and disks with smooth normals and texture coordinates), gluLookAt and gluBuild2DMipmaps.
// The functions live in namespace gl11; GluNames.h maps the program's plain names onto them.
// With MOONHOP_GLU_ON_SYSTEM_GL defined, the same functions are built over the system's own
// OpenGL instead, so that tests can hold them against the system's GLU.
#pragma once

#ifdef MOONHOP_GLU_ON_SYSTEM_GL
#include <GL/gl.h>
#else
#include "gl11/Gl.h"
#endif

// GLU's own values. Guarded: a test may have the system's <GL/glu.h> in the same file.
#ifndef GLU_SMOOTH
#define GLU_SMOOTH 100000
#define GLU_FLAT 100001
#define GLU_NONE 100002
#define GLU_INVALID_ENUM 100900
#define GLU_INVALID_VALUE 100901
#define GLU_OUT_OF_MEMORY 100902
#endif

namespace gl11 {

// A quadric's drawing options; only the normals and texture coordinates are kept.
struct GLUquadric;

GLUquadric* gluNewQuadric();
void gluDeleteQuadric(GLUquadric* quadric);
// GLU_SMOOTH or GLU_NONE; GLU_FLAT is not implemented (smooth normals are kept).
void gluQuadricNormals(GLUquadric* quadric, GLenum normals);
void gluQuadricTexture(GLUquadric* quadric, GLboolean textureCoords);

// At most kMaxQuadricSegments slices (and sphere stacks) are drawn; more are cut to that.
constexpr GLint kMaxQuadricSegments = 239;
void gluSphere(GLUquadric* quadric, GLdouble radius, GLint slices, GLint stacks);
void gluDisk(GLUquadric* quadric, GLdouble inner, GLdouble outer, GLint slices, GLint loops);

void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX, GLdouble centreY,
               GLdouble centreZ, GLdouble upX, GLdouble upY, GLdouble upZ);

// Uploads every level of a mipmap pyramid to target, scaling the image to powers of two
// first. Returns 0, or GLU_INVALID_VALUE for a size below 1, GLU_INVALID_ENUM for a format or
// type it does not take, GLU_OUT_OF_MEMORY when OpenGL takes the picture at no size.
GLint gluBuild2DMipmaps(GLenum target, GLint internalFormat, GLsizei width, GLsizei height,
                        GLenum format, GLenum type, const void* data);

} // namespace gl11
