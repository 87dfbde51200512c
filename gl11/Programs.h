// The generated programs of a context: made once per key, then reused.
#pragma once

#include "gl11/Context.h"
#include "gl11/ShaderKey.h"

namespace gl11 {

// The context's program for key, compiled and linked the first time the key is met. A program
// that fails to build keeps the name 0 (said once on standard error) and draws nothing.
Program& ProgramFor(Context& c, const ShaderKey& key);
// Gives the program the context's current matrices, lights, materials and viewport.
void UploadUniforms(Context& c, Program& p);

} // namespace gl11
