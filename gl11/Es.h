// The OpenGL ES 3.0 entry points the layer draws with, found through the loader a context is
// made with, and the OpenGL ES names it needs beyond OpenGL 1.1's.
#pragma once

#include "gl11/Gl.h"

#if defined(_WIN32)
#define GL11_APIENTRY __stdcall
#else
#define GL11_APIENTRY
#endif

namespace gl11 {

typedef char GLchar;
typedef std::ptrdiff_t GLsizeiptr;

namespace es {
constexpr GLenum ARRAY_BUFFER = 0x8892;
constexpr GLenum ELEMENT_ARRAY_BUFFER = 0x8893;
constexpr GLenum STREAM_DRAW = 0x88E0;
constexpr GLenum VERTEX_SHADER = 0x8B31;
constexpr GLenum FRAGMENT_SHADER = 0x8B30;
constexpr GLenum COMPILE_STATUS = 0x8B81;
constexpr GLenum LINK_STATUS = 0x8B82;
constexpr GLenum INFO_LOG_LENGTH = 0x8B84;
constexpr GLenum TEXTURE0 = 0x84C0;
constexpr GLenum CLAMP_TO_EDGE = 0x812F;
} // namespace es

// name, return type, parameter list: one line per entry point.
#define GL11_ES_ENTRY_POINTS(X)                                                                    \
    X(ActiveTexture, void, (GLenum))                                                               \
    X(AttachShader, void, (GLuint, GLuint))                                                        \
    X(BindAttribLocation, void, (GLuint, GLuint, const GLchar*))                                   \
    X(BindBuffer, void, (GLenum, GLuint))                                                          \
    X(BindTexture, void, (GLenum, GLuint))                                                         \
    X(BindVertexArray, void, (GLuint))                                                             \
    X(BlendFunc, void, (GLenum, GLenum))                                                           \
    X(BufferData, void, (GLenum, GLsizeiptr, const void*, GLenum))                                 \
    X(Clear, void, (GLbitfield))                                                                   \
    X(ClearColor, void, (GLfloat, GLfloat, GLfloat, GLfloat))                                      \
    X(ClearDepthf, void, (GLfloat))                                                                \
    X(ColorMask, void, (GLboolean, GLboolean, GLboolean, GLboolean))                               \
    X(CompileShader, void, (GLuint))                                                               \
    X(CreateProgram, GLuint, ())                                                                   \
    X(CreateShader, GLuint, (GLenum))                                                              \
    X(CullFace, void, (GLenum))                                                                    \
    X(DeleteShader, void, (GLuint))                                                                \
    X(DeleteTextures, void, (GLsizei, const GLuint*))                                              \
    X(DepthFunc, void, (GLenum))                                                                   \
    X(DepthMask, void, (GLboolean))                                                                \
    X(DepthRangef, void, (GLfloat, GLfloat))                                                       \
    X(Disable, void, (GLenum))                                                                     \
    X(DrawArrays, void, (GLenum, GLint, GLsizei))                                                  \
    X(DrawElements, void, (GLenum, GLsizei, GLenum, const void*))                                  \
    X(Enable, void, (GLenum))                                                                      \
    X(EnableVertexAttribArray, void, (GLuint))                                                     \
    X(Finish, void, ())                                                                            \
    X(Flush, void, ())                                                                             \
    X(FrontFace, void, (GLenum))                                                                   \
    X(GenBuffers, void, (GLsizei, GLuint*))                                                        \
    X(GenTextures, void, (GLsizei, GLuint*))                                                       \
    X(GenVertexArrays, void, (GLsizei, GLuint*))                                                   \
    X(GetError, GLenum, ())                                                                        \
    X(GetIntegerv, void, (GLenum, GLint*))                                                         \
    X(GetProgramInfoLog, void, (GLuint, GLsizei, GLsizei*, GLchar*))                               \
    X(GetProgramiv, void, (GLuint, GLenum, GLint*))                                                \
    X(GetShaderInfoLog, void, (GLuint, GLsizei, GLsizei*, GLchar*))                                \
    X(GetShaderiv, void, (GLuint, GLenum, GLint*))                                                 \
    X(GetString, const GLubyte*, (GLenum))                                                         \
    X(GetUniformLocation, GLint, (GLuint, const GLchar*))                                          \
    X(LinkProgram, void, (GLuint))                                                                 \
    X(PixelStorei, void, (GLenum, GLint))                                                          \
    X(ReadPixels, void, (GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*))                   \
    X(Scissor, void, (GLint, GLint, GLsizei, GLsizei))                                             \
    X(ShaderSource, void, (GLuint, GLsizei, const GLchar* const*, const GLint*))                   \
    X(TexImage2D, void,                                                                            \
      (GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*))                \
    X(TexParameteri, void, (GLenum, GLenum, GLint))                                                \
    X(Uniform1i, void, (GLint, GLint))                                                             \
    X(Uniform1fv, void, (GLint, GLsizei, const GLfloat*))                                          \
    X(Uniform3fv, void, (GLint, GLsizei, const GLfloat*))                                          \
    X(Uniform4fv, void, (GLint, GLsizei, const GLfloat*))                                          \
    X(UniformMatrix3fv, void, (GLint, GLsizei, GLboolean, const GLfloat*))                         \
    X(UniformMatrix4fv, void, (GLint, GLsizei, GLboolean, const GLfloat*))                         \
    X(UseProgram, void, (GLuint))                                                                  \
    X(VertexAttribPointer, void, (GLuint, GLint, GLenum, GLboolean, GLsizei, const void*))         \
    X(Viewport, void, (GLint, GLint, GLsizei, GLsizei))

struct EsCalls {
#define GL11_ES_MEMBER(name, ret, params) ret(GL11_APIENTRY* name) params = nullptr;
    GL11_ES_ENTRY_POINTS(GL11_ES_MEMBER)
#undef GL11_ES_MEMBER
};

// Fills every entry point from the loader; false, naming the first missing one on standard
// error, when one is missing.
bool LoadEsCalls(EsLoader loader, EsCalls& calls);

} // namespace gl11
