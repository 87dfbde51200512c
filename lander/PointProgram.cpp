#include "lander/PointProgram.h"

#include "platform/Win32.h"

#include <GL/glext.h>

#include <cstdint>
#include <vector>

namespace {
// The point's size rides in the colour's alpha, which is also its alpha: the pipeline clamps
// the colour after the program, as it clamps the fixed pipeline's, but not the size.
const char kArbSource[] = "!!ARBvp1.0\n"
                          "OPTION ARB_position_invariant;\n"
                          "PARAM zero = {0.0, 0.0, 0.0, 0.0};\n"
                          "MOV result.color, vertex.color;\n"
                          "MOV result.color.secondary, zero;\n"
                          "MOV result.pointsize, vertex.color.w;\n"
                          "END\n";

// ftransform gives the fixed pipeline's position exactly, as the option above does.
const char kGlslSource[] = "#version 110\n"
                           "void main() {\n"
                           "    gl_Position = ftransform();\n"
                           "    gl_FrontColor = gl_Color;\n"
                           "    gl_FrontSecondaryColor = vec4(0.0);\n"
                           "    gl_PointSize = gl_Color.a;\n"
                           "}\n";

struct ArbCalls {
    PFNGLGENPROGRAMSARBPROC gen = nullptr;
    PFNGLBINDPROGRAMARBPROC bind = nullptr;
    PFNGLPROGRAMSTRINGARBPROC source = nullptr;
    PFNGLDELETEPROGRAMSARBPROC remove = nullptr;
    PFNGLISPROGRAMARBPROC exists = nullptr;
};

struct GlslCalls {
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

// One context's programs. A kind is usable when supported and its entry points loaded; a name
// of 0 means not made yet, and a failed making is not tried again.
struct ContextRecord {
    HGLRC context = nullptr;
    bool arbUsable = false;
    bool glslUsable = false;
    ArbCalls arb;
    GlslCalls glsl;
    GLuint arbProgram = 0;
    GLuint glslProgram = 0;
};

std::vector<ContextRecord>& Records() {
    // Never destroyed: windows may go down in exit handlers, after statics are gone.
    static auto* records = new std::vector<ContextRecord>;
    return *records;
}

template <class F> bool Load(F& call, const char* name) {
    PROC p = wglGetProcAddress(name);
    // Some Windows drivers answer a name they do not know with a small number, not null.
    const auto value = reinterpret_cast<std::intptr_t>(p);
    if (value >= -1 && value <= 3) {
        call = nullptr;
        return false;
    }
    // Through the generic function type, which converts to any other without a warning.
    call = reinterpret_cast<F>(reinterpret_cast<void (*)()>(p));
    return true;
}

bool LoadArb(ArbCalls& c) {
    bool ok = Load(c.gen, "glGenProgramsARB");
    ok = Load(c.bind, "glBindProgramARB") && ok;
    ok = Load(c.source, "glProgramStringARB") && ok;
    ok = Load(c.remove, "glDeleteProgramsARB") && ok;
    return Load(c.exists, "glIsProgramARB") && ok;
}

bool LoadGlsl(GlslCalls& c) {
    bool ok = Load(c.createShader, "glCreateShader");
    ok = Load(c.shaderSource, "glShaderSource") && ok;
    ok = Load(c.compileShader, "glCompileShader") && ok;
    ok = Load(c.getShader, "glGetShaderiv") && ok;
    ok = Load(c.deleteShader, "glDeleteShader") && ok;
    ok = Load(c.createProgram, "glCreateProgram") && ok;
    ok = Load(c.attachShader, "glAttachShader") && ok;
    ok = Load(c.linkProgram, "glLinkProgram") && ok;
    ok = Load(c.getProgram, "glGetProgramiv") && ok;
    ok = Load(c.useProgram, "glUseProgram") && ok;
    ok = Load(c.deleteProgram, "glDeleteProgram") && ok;
    return Load(c.isProgram, "glIsProgram") && ok;
}

void Probe(ContextRecord& r, const char* version, const char* extensions) {
    const HGLRC context = r.context;
    r = ContextRecord();
    r.context = context;
    const PointProgramSupport support = PointProgramSupportFor(version, extensions);
    r.arbUsable = support.arbProgram && LoadArb(r.arb);
    r.glslUsable = support.glslShader && LoadGlsl(r.glsl);
}

void ProbeFromContext(ContextRecord& r) {
    Probe(r, reinterpret_cast<const char*>(glGetString(GL_VERSION)),
          reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)));
}

void DeletePrograms(ContextRecord& r) {
    if (r.arbProgram)
        r.arb.remove(1, &r.arbProgram);
    if (r.glslProgram)
        r.glsl.deleteProgram(r.glslProgram);
    r.arbProgram = r.glslProgram = 0;
}

// The current context's record, or null without a current context. A new context is probed.
ContextRecord* CurrentRecord(bool create) {
    const HGLRC context = wglGetCurrentContext();
    if (!context)
        return nullptr;
    for (ContextRecord& r : Records())
        if (r.context == context)
            return &r;
    if (!create)
        return nullptr;
    Records().emplace_back();
    ContextRecord& r = Records().back();
    r.context = context;
    ProbeFromContext(r);
    return &r;
}

// A program the record names but the context does not know means the handle now names a newer
// context (Windows may hand a freed handle out again): start that context afresh.
void ForgetIfStale(ContextRecord& r) {
    const bool stale = (r.arbProgram && !r.arb.exists(r.arbProgram)) ||
                       (r.glslProgram && !r.glsl.isProgram(r.glslProgram));
    if (stale)
        ProbeFromContext(r);
}

GLuint MakeArb(const ArbCalls& c) {
    GLuint program = 0;
    c.gen(1, &program);
    c.bind(GL_VERTEX_PROGRAM_ARB, program);
    c.source(GL_VERTEX_PROGRAM_ARB, GL_PROGRAM_FORMAT_ASCII_ARB,
             static_cast<GLsizei>(sizeof kArbSource - 1), kArbSource);
    GLint errorAt = -1;
    glGetIntegerv(GL_PROGRAM_ERROR_POSITION_ARB, &errorAt);
    c.bind(GL_VERTEX_PROGRAM_ARB, 0);
    if (errorAt != -1) {
        c.remove(1, &program);
        return 0;
    }
    return program;
}

GLuint MakeGlsl(const GlslCalls& c) {
    const GLuint shader = c.createShader(GL_VERTEX_SHADER);
    if (!shader)
        return 0;
    const GLchar* source = kGlslSource;
    c.shaderSource(shader, 1, &source, nullptr);
    c.compileShader(shader);
    GLint compiled = GL_FALSE;
    c.getShader(shader, GL_COMPILE_STATUS, &compiled);
    GLuint program = compiled ? c.createProgram() : 0;
    if (program) {
        c.attachShader(program, shader);
        c.linkProgram(program);
        GLint linked = GL_FALSE;
        c.getProgram(program, GL_LINK_STATUS, &linked);
        if (!linked) {
            c.deleteProgram(program);
            program = 0;
        }
    }
    // Flagged only: it lives on as long as the program it is attached to.
    c.deleteShader(shader);
    return program;
}
} // namespace

bool BindPointProgram(PointProgramKind kind) {
    ContextRecord* r = CurrentRecord(true);
    if (!r)
        return false;
    ForgetIfStale(*r);
    if (kind == PointProgramKind::ArbProgram) {
        if (r->arbUsable && !r->arbProgram) {
            r->arbProgram = MakeArb(r->arb);
            r->arbUsable = r->arbProgram != 0;
        }
        if (!r->arbUsable)
            return false;
        glEnable(GL_VERTEX_PROGRAM_ARB);
        r->arb.bind(GL_VERTEX_PROGRAM_ARB, r->arbProgram);
        glEnable(GL_VERTEX_PROGRAM_POINT_SIZE_ARB);
        return true;
    }
    if (r->glslUsable && !r->glslProgram) {
        r->glslProgram = MakeGlsl(r->glsl);
        r->glslUsable = r->glslProgram != 0;
    }
    if (!r->glslUsable)
        return false;
    r->glsl.useProgram(r->glslProgram);
    glEnable(GL_VERTEX_PROGRAM_POINT_SIZE);
    return true;
}

void UnbindPointProgram(PointProgramKind kind) {
    ContextRecord* r = CurrentRecord(false);
    if (!r)
        return;
    if (kind == PointProgramKind::ArbProgram) {
        if (!r->arbProgram)
            return;
        glDisable(GL_VERTEX_PROGRAM_POINT_SIZE_ARB);
        r->arb.bind(GL_VERTEX_PROGRAM_ARB, 0);
        glDisable(GL_VERTEX_PROGRAM_ARB);
        return;
    }
    if (!r->glslProgram)
        return;
    glDisable(GL_VERTEX_PROGRAM_POINT_SIZE);
    r->glsl.useProgram(0);
}

void ReleasePointPrograms() {
    ContextRecord* r = CurrentRecord(false);
    if (!r)
        return;
    ForgetIfStale(*r);
    DeletePrograms(*r);
    std::vector<ContextRecord>& records = Records();
    records.erase(records.begin() + (r - records.data()));
}

void ProbePointPrograms(const char* version, const char* extensions) {
    ContextRecord* r = CurrentRecord(true);
    if (!r)
        return;
    ForgetIfStale(*r);
    DeletePrograms(*r);
    Probe(*r, version, extensions);
}

unsigned PointProgramName(PointProgramKind kind) {
    const ContextRecord* r = CurrentRecord(false);
    if (!r)
        return 0;
    return kind == PointProgramKind::ArbProgram ? r->arbProgram : r->glslProgram;
}

int PointProgramContextCount() {
    return static_cast<int>(Records().size());
}
