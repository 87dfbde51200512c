#include "framework/GLExtensionCalls.h"

ArbProgramCalls::ArbProgramCalls(GLContextRecord& context) {
    bool ok = context.Load(gen, "glGenProgramsARB");
    ok = context.Load(bind, "glBindProgramARB") && ok;
    ok = context.Load(source, "glProgramStringARB") && ok;
    ok = context.Load(remove, "glDeleteProgramsARB") && ok;
    complete = context.Load(exists, "glIsProgramARB") && ok;
}

ShaderCalls::ShaderCalls(GLContextRecord& context) {
    bool ok = context.Load(createShader, "glCreateShader");
    ok = context.Load(shaderSource, "glShaderSource") && ok;
    ok = context.Load(compileShader, "glCompileShader") && ok;
    ok = context.Load(getShader, "glGetShaderiv") && ok;
    ok = context.Load(deleteShader, "glDeleteShader") && ok;
    ok = context.Load(createProgram, "glCreateProgram") && ok;
    ok = context.Load(attachShader, "glAttachShader") && ok;
    ok = context.Load(linkProgram, "glLinkProgram") && ok;
    ok = context.Load(getProgram, "glGetProgramiv") && ok;
    ok = context.Load(useProgram, "glUseProgram") && ok;
    ok = context.Load(deleteProgram, "glDeleteProgram") && ok;
    complete = context.Load(isProgram, "glIsProgram") && ok;
}
