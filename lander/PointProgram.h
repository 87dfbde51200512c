// A vertex program that lets one draw of arrays give every point a size of its own: the
// position as the fixed pipeline transforms it, the colour passed through, and the point size
// taken from the colour's alpha. Fragments stay with the fixed pipeline.
//
// Program objects belong to one OpenGL context and the game's two contexts share nothing, so
// each context gets its own program, made the first time it is asked for there and kept in the
// context's record (framework/GLContextRecord.h), which deletes it with the context. Everything
// here works on the context current at the call.
#pragma once

enum class PointProgramKind {
    ArbProgram, // GL_ARB_vertex_program assembly
    GlslShader, // an OpenGL 2.0 vertex shader, for drivers without the assembly programs
};

// Which kinds a context offers, read from its version and extension strings.
struct PointProgramSupport {
    bool arbProgram = false;
    bool glslShader = false;
};
PointProgramSupport PointProgramSupportFor(const char* version, const char* extensions);

// Binds the current context's program of this kind and turns on per-vertex point size; the
// program is made at the first call in a context. False, with nothing changed, when there is no
// current context or it cannot run that kind.
bool BindPointProgram(PointProgramKind kind);
// Undoes a successful BindPointProgram (kind): no program bound, point size from glPointSize.
void UnbindPointProgram(PointProgramKind kind);
