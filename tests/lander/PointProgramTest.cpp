#include "lander/PointProgramProbe.h"

#include "framework/GLContextRecord.h"

#include "lander/ParticleSystem.h"
#include "scene/Random.h"
#include "tests/support/TestContext.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
template <class F> F Entry(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
}

// Whether the current context knows this program name as a program of its own.
bool ContextKnows(PointProgramKind kind, unsigned name) {
    if (kind == PointProgramKind::ArbProgram)
        return Entry<PFNGLISPROGRAMARBPROC>("glIsProgramARB")(name) == GL_TRUE;
    return Entry<PFNGLISPROGRAMPROC>("glIsProgram")(name) == GL_TRUE;
}

// Whichever kind the default path takes here.
PointProgramKind KindInUse() {
    return PointProgramName(PointProgramKind::ArbProgram) ? PointProgramKind::ArbProgram
                                                          : PointProgramKind::GlslShader;
}

void DrawPlume() {
    auto plume = std::make_unique<ParticleSystem>();
    plume->SetBaseDirection(Vec3(0, -1, 0));
    plume->SetSpreadAxis(Vec3(0, 0, -1));
    SeedRandom(3);
    plume->Restart(Vec3(0, 0, 0));
    plume->SetCount(200);
    plume->Draw();
}

bool MakeCurrent(const TestContext& ctx) {
    return wglMakeCurrent(ctx.Dc(), ctx.Context()) == TRUE;
}
} // namespace

TEST(PointProgramSupport, ReadFromTheVersionAndWholeExtensionNames) {
    const PointProgramSupport none = PointProgramSupportFor(nullptr, nullptr);
    EXPECT_FALSE(none.arbProgram);
    EXPECT_FALSE(none.glslShader);
    EXPECT_TRUE(PointProgramSupportFor("1.1", "GL_ARB_vertex_program").arbProgram);
    EXPECT_TRUE(PointProgramSupportFor("1.1", "GL_A GL_ARB_vertex_program GL_B").arbProgram);
    EXPECT_TRUE(PointProgramSupportFor("1.1", "GL_A GL_ARB_vertex_program").arbProgram);
    EXPECT_FALSE(PointProgramSupportFor("1.1", "GL_ARB_vertex_programs").arbProgram);
    EXPECT_FALSE(PointProgramSupportFor("1.1", "GL_NV_vertex_program GL_X").arbProgram);
    EXPECT_FALSE(PointProgramSupportFor("1.1", "XGL_ARB_vertex_program").arbProgram);
    EXPECT_FALSE(PointProgramSupportFor("1.5.0 NVIDIA", "").glslShader);
    EXPECT_TRUE(PointProgramSupportFor("2.0", "").glslShader);
    EXPECT_TRUE(PointProgramSupportFor("4.5 (Compatibility Profile) Mesa", "").glslShader);
    EXPECT_TRUE(PointProgramSupportFor("10.0", "").glslShader);
    EXPECT_FALSE(PointProgramSupportFor("", "").glslShader);
    EXPECT_FALSE(PointProgramSupportFor("OpenGL ES 3.2", "").glslShader);
}

TEST(PointPrograms, NothingWithoutACurrentContext) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    wglMakeCurrent(nullptr, nullptr);
    const int contexts = ContextRecordCount();
    EXPECT_FALSE(BindPointProgram(PointProgramKind::ArbProgram));
    EXPECT_FALSE(BindPointProgram(PointProgramKind::GlslShader));
    ReleaseCurrentContextRecord();
    EXPECT_EQ(PointProgramName(PointProgramKind::ArbProgram), 0u);
    EXPECT_EQ(ContextRecordCount(), contexts);
}

TEST(PointPrograms, EachContextMakesItsOwnAndReleasesItAlone) {
    TestContext first;
    TestContext second;
    ASSERT_TRUE(first.Ok() && second.Ok());
    const int contexts = ContextRecordCount();

    ASSERT_TRUE(MakeCurrent(first));
    DrawPlume();
    const PointProgramKind kind = KindInUse();
    const unsigned firstName = PointProgramName(kind);
    ASSERT_NE(firstName, 0u);
    DrawPlume(); // made once only
    EXPECT_EQ(PointProgramName(kind), firstName);

    ASSERT_TRUE(MakeCurrent(second));
    EXPECT_EQ(PointProgramName(kind), 0u);
    DrawPlume();
    const unsigned secondName = PointProgramName(kind);
    ASSERT_NE(secondName, 0u);
    EXPECT_TRUE(ContextKnows(kind, secondName));
    EXPECT_EQ(ContextRecordCount(), contexts + 2);

    ASSERT_TRUE(MakeCurrent(first));
    ReleaseCurrentContextRecord();
    EXPECT_FALSE(ContextKnows(kind, firstName));
    EXPECT_EQ(PointProgramName(kind), 0u);
    EXPECT_EQ(ContextRecordCount(), contexts + 1);
    ASSERT_TRUE(MakeCurrent(second));
    EXPECT_EQ(PointProgramName(kind), secondName);
    EXPECT_TRUE(ContextKnows(kind, secondName));
    ReleaseCurrentContextRecord();
    EXPECT_EQ(ContextRecordCount(), contexts);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(PointPrograms, AProgramTheContextNoLongerKnowsIsMadeAgain) {
    // What a record meets when its context's handle has been handed to a newer context.
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    for (PointProgramKind kind : {PointProgramKind::ArbProgram, PointProgramKind::GlslShader}) {
        ASSERT_TRUE(BindPointProgram(kind));
        UnbindPointProgram(kind);
        const unsigned name = PointProgramName(kind);
        if (kind == PointProgramKind::ArbProgram)
            Entry<PFNGLDELETEPROGRAMSARBPROC>("glDeleteProgramsARB")(1, &name);
        else
            Entry<PFNGLDELETEPROGRAMPROC>("glDeleteProgram")(name);
        ASSERT_FALSE(ContextKnows(kind, name));
        ASSERT_TRUE(BindPointProgram(kind));
        UnbindPointProgram(kind);
        EXPECT_TRUE(ContextKnows(kind, PointProgramName(kind)));
    }
    ReleaseCurrentContextRecord();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
