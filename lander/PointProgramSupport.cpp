#include "lander/PointProgram.h"

#include "framework/GLContextRecord.h"

PointProgramSupport PointProgramSupportFor(const char* version, const char* extensions) {
    PointProgramSupport support;
    if (extensions)
        support.arbProgram = ExtensionListed(extensions, "GL_ARB_vertex_program");
    // Shaders are core from 2.0 on, under the names this code loads.
    if (version)
        support.glslShader = MajorGLVersion(version) >= 2;
    return support;
}
