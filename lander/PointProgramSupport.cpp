#include "lander/PointProgram.h"

#include <cstring>

namespace {
// Whole names only: one extension's name may begin another's.
bool HasExtension(const char* extensions, const char* name) {
    const std::size_t length = std::strlen(name);
    for (const char* p = extensions; (p = std::strstr(p, name)) != nullptr; p += length) {
        const bool starts = p == extensions || p[-1] == ' ';
        const bool ends = p[length] == ' ' || p[length] == '\0';
        if (starts && ends)
            return true;
    }
    return false;
}

// The major version at the start of a version string ("2.1 Mesa ..."); 0 when there is none.
int MajorVersion(const char* version) {
    int major = 0;
    for (const char* p = version; *p >= '0' && *p <= '9' && major < 1000; ++p)
        major = major * 10 + (*p - '0');
    return major;
}
} // namespace

PointProgramSupport PointProgramSupportFor(const char* version, const char* extensions) {
    PointProgramSupport support;
    if (extensions)
        support.arbProgram = HasExtension(extensions, "GL_ARB_vertex_program");
    // Shaders are core from 2.0 on, under the names this code loads.
    if (version)
        support.glslShader = MajorVersion(version) >= 2;
    return support;
}
