// The extension entry points the program calls, one set per feature. A set is an object of
// the current context's record (GLContextRecord.h), loaded there at the first ask, since entry
// points belong to the context they came from: GLContextRecord::Current()->Get<ShaderCalls>().
// Whether the context offers the feature is the caller's question, asked of its strings.
#pragma once

#include "framework/GLContextRecord.h"

// GL_ARB_vertex_program's assembly programs.
struct ArbProgramCalls : GLContextRecord::Object {
    explicit ArbProgramCalls(GLContextRecord& context);
    bool complete = false; // the driver gave every entry point below
    PFNGLGENPROGRAMSARBPROC gen = nullptr;
    PFNGLBINDPROGRAMARBPROC bind = nullptr;
    PFNGLPROGRAMSTRINGARBPROC source = nullptr;
    PFNGLDELETEPROGRAMSARBPROC remove = nullptr;
    PFNGLISPROGRAMARBPROC exists = nullptr;
};

// OpenGL 2.0's shaders and programs.
struct ShaderCalls : GLContextRecord::Object {
    explicit ShaderCalls(GLContextRecord& context);
    bool complete = false; // the driver gave every entry point below
    PFNGLCREATESHADERPROC createShader = nullptr;
    PFNGLSHADERSOURCEPROC shaderSource = nullptr;
    PFNGLCOMPILESHADERPROC compileShader = nullptr;
    PFNGLGETSHADERIVPROC getShader = nullptr;
    PFNGLDELETESHADERPROC deleteShader = nullptr;
    PFNGLCREATEPROGRAMPROC createProgram = nullptr;
    PFNGLATTACHSHADERPROC attachShader = nullptr;
    PFNGLLINKPROGRAMPROC linkProgram = nullptr;
    PFNGLGETPROGRAMIVPROC getProgram = nullptr;
    PFNGLUSEPROGRAMPROC useProgram = nullptr;
    PFNGLDELETEPROGRAMPROC deleteProgram = nullptr;
    PFNGLISPROGRAMPROC isProgram = nullptr;
};
