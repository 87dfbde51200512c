#include "lander/PointProgram.h"
#include "lander/PointProgramProbe.h"

#include "framework/GLContextRecord.h"

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

bool LoadArb(GLContextRecord& context, ArbCalls& c) {
    bool ok = context.Load(c.gen, "glGenProgramsARB");
    ok = context.Load(c.bind, "glBindProgramARB") && ok;
    ok = context.Load(c.source, "glProgramStringARB") && ok;
    ok = context.Load(c.remove, "glDeleteProgramsARB") && ok;
    return context.Load(c.exists, "glIsProgramARB") && ok;
}

bool LoadGlsl(GLContextRecord& context, GlslCalls& c) {
    bool ok = context.Load(c.createShader, "glCreateShader");
    ok = context.Load(c.shaderSource, "glShaderSource") && ok;
    ok = context.Load(c.compileShader, "glCompileShader") && ok;
    ok = context.Load(c.getShader, "glGetShaderiv") && ok;
    ok = context.Load(c.deleteShader, "glDeleteShader") && ok;
    ok = context.Load(c.createProgram, "glCreateProgram") && ok;
    ok = context.Load(c.attachShader, "glAttachShader") && ok;
    ok = context.Load(c.linkProgram, "glLinkProgram") && ok;
    ok = context.Load(c.getProgram, "glGetProgramiv") && ok;
    ok = context.Load(c.useProgram, "glUseProgram") && ok;
    ok = context.Load(c.deleteProgram, "glDeleteProgram") && ok;
    return context.Load(c.isProgram, "glIsProgram") && ok;
}

// One context's programs. A kind is usable when supported and its entry points loaded; a name
// of 0 means not made yet, and a failed making is not tried again.
struct PointPrograms : GLContextRecord::Object {
    explicit PointPrograms(GLContextRecord& context) {
        const PointProgramSupport support =
            PointProgramSupportFor(context.Version(), context.Extensions());
        arbUsable = support.arbProgram && LoadArb(context, arb);
        glslUsable = support.glslShader && LoadGlsl(context, glsl);
    }

    // Programs the context does not know mean its handle now names a newer context.
    bool Stale() const {
        return (arbProgram && !arb.exists(arbProgram)) ||
               (glslProgram && !glsl.isProgram(glslProgram));
    }

    void Release() override {
        if (Stale())
            return;
        if (arbProgram)
            arb.remove(1, &arbProgram);
        if (glslProgram)
            glsl.deleteProgram(glslProgram);
        arbProgram = glslProgram = 0;
    }

    bool arbUsable = false;
    bool glslUsable = false;
    ArbCalls arb;
    GlslCalls glsl;
    GLuint arbProgram = 0;
    GLuint glslProgram = 0;
};

// The current context's programs, made at the first ask; null without a current context. A
// record whose programs the context no longer knows is started afresh: Windows may hand a
// deleted context's handle out again.
PointPrograms* CurrentPrograms() {
    GLContextRecord* context = GLContextRecord::Current();
    if (!context)
        return nullptr;
    if (context->Get<PointPrograms>().Stale()) {
        ForgetCurrentContextRecord();
        context = GLContextRecord::Current();
    }
    return &context->Get<PointPrograms>();
}

// The same without making anything.
PointPrograms* ExistingPrograms() {
    GLContextRecord* context = GLContextRecord::Existing();
    return context ? context->Find<PointPrograms>() : nullptr;
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
    PointPrograms* r = CurrentPrograms();
    if (!r)
        return false;
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
    const PointPrograms* r = ExistingPrograms();
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

unsigned PointProgramName(PointProgramKind kind) {
    const PointPrograms* r = ExistingPrograms();
    if (!r)
        return 0;
    return kind == PointProgramKind::ArbProgram ? r->arbProgram : r->glslProgram;
}
