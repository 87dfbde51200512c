// A vertex program that lets one draw of arrays give every point a size of its own: the
// position as the fixed pipeline transforms it, the colour passed through, and the point size
// taken from the colour's alpha. Fragments stay with the fixed pipeline.
//
// Program objects belong to one OpenGL context and the game's two contexts share nothing, so
// each context gets its own program, made the first time it is asked for there. Everything
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

// Deletes the current context's programs and forgets the context: for a context about to go.
void ReleasePointPrograms();

// Makes the current context's record as if its strings were these (dropping programs already
// made): what BindPointProgram does at the first call in a context, with the real strings.
void ProbePointPrograms(const char* version, const char* extensions);

// The name of the current context's program of this kind, 0 while none is made.
unsigned PointProgramName(PointProgramKind kind);
// How many contexts hold a record.
int PointProgramContextCount();
