// Each OpenGL context's record: its strings and entry points, and objects released in their
// own context when the window deletes it.
#include "framework/GLContextRecord.h"

#include "tests/framework/Recording.h"
#include "tests/support/TestContext.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {
// Notes the context current whenever it is released.
struct Watcher : GLContextRecord::Object {
    explicit Watcher(GLContextRecord& record) : madeIn(record.Context()) {}
    void Release() override { releasedIn.push_back(wglGetCurrentContext()); }
    HGLRC madeIn;
    static std::vector<HGLRC> releasedIn;
};
std::vector<HGLRC> Watcher::releasedIn;

bool MakeCurrent(const TestContext& ctx) {
    return wglMakeCurrent(ctx.Dc(), ctx.Context()) == TRUE;
}
} // namespace

TEST(GLContextRecord, ExtensionNamesAreMatchedWhole) {
    EXPECT_TRUE(ExtensionListed("GL_A GL_B", "GL_B"));
    EXPECT_TRUE(ExtensionListed("GL_B", "GL_B"));
    EXPECT_FALSE(ExtensionListed("GL_BC GL_AB", "GL_B"));
    EXPECT_FALSE(ExtensionListed("GL_B", ""));
    EXPECT_FALSE(ExtensionListed(nullptr, "GL_B"));
    EXPECT_EQ(MajorGLVersion("2.1 Mesa 23"), 2);
    EXPECT_EQ(MajorGLVersion("12.0"), 12);
    EXPECT_EQ(MajorGLVersion("OpenGL ES 3.2"), 0);
    EXPECT_EQ(MajorGLVersion(nullptr), 0);
}

TEST(GLContextRecord, EachContextHasItsOwnStringsAndEntryPoints) {
    TestContext first, second;
    ASSERT_TRUE(first.Ok() && second.Ok());
    const int records = ContextRecordCount();
    wglMakeCurrent(nullptr, nullptr);
    EXPECT_EQ(GLContextRecord::Current(), nullptr);

    ASSERT_TRUE(MakeCurrent(first));
    EXPECT_EQ(GLContextRecord::Existing(), nullptr);
    GLContextRecord* a = GLContextRecord::Current();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(GLContextRecord::Current(), a);
    EXPECT_EQ(a->Context(), first.Context());
    EXPECT_STREQ(a->Version(), reinterpret_cast<const char*>(glGetString(GL_VERSION)));
    EXPECT_STREQ(a->Extensions(), reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)));
    void (*call)() = nullptr;
    ASSERT_TRUE(a->Load(call, "glGenProgramsARB"));
    EXPECT_EQ(reinterpret_cast<void*>(call),
              reinterpret_cast<void*>(wglGetProcAddress("glGenProgramsARB")));

    ASSERT_TRUE(MakeCurrent(second));
    GLContextRecord* b = GLContextRecord::Current();
    ASSERT_NE(b, nullptr);
    EXPECT_NE(b, a);
    EXPECT_EQ(ContextRecordCount(), records + 2);
    ReleaseCurrentContextRecord();
    ASSERT_TRUE(MakeCurrent(first));
    ReleaseCurrentContextRecord();
    EXPECT_EQ(ContextRecordCount(), records);
}

TEST(GLContextRecord, ObjectsAreReleasedInTheirContextWhenTheWindowGoes) {
    EventLog log;
    RecordingWindow window("w", &log);
    ASSERT_TRUE(window.extra->Create());
    const HGLRC context = window.extra->glContext;
    ASSERT_EQ(wglGetCurrentContext(), context);
    const int records = ContextRecordCount();
    Watcher& watcher = GLContextRecord::Current()->Get<Watcher>();
    EXPECT_EQ(&GLContextRecord::Current()->Get<Watcher>(), &watcher); // made once
    EXPECT_EQ(watcher.madeIn, context);
    EXPECT_EQ(ContextRecordCount(), records + 1);

    // Another context current meanwhile: the window makes its own current to release.
    TestContext other;
    ASSERT_TRUE(other.Ok());
    Watcher::releasedIn.clear();
    window.extra->Destroy();
    ASSERT_EQ(Watcher::releasedIn.size(), 1u);
    EXPECT_EQ(Watcher::releasedIn[0], context);
    EXPECT_EQ(ContextRecordCount(), records);
    EXPECT_EQ(wglGetCurrentContext(), other.Context());
}

TEST(GLContextRecord, ForgettingReleasesNothingAndPretendingReleasesFirst) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    const int records = ContextRecordCount();
    GLContextRecord::Current()->Get<Watcher>();
    Watcher::releasedIn.clear();
    ForgetCurrentContextRecord();
    EXPECT_TRUE(Watcher::releasedIn.empty());
    EXPECT_EQ(ContextRecordCount(), records);

    GLContextRecord::Current()->Get<Watcher>();
    PretendContextStrings("1.5 Pretend", "GL_X GL_Y");
    EXPECT_EQ(Watcher::releasedIn, std::vector<HGLRC>{ctx.Context()});
    GLContextRecord* record = GLContextRecord::Current();
    EXPECT_EQ(record->Find<Watcher>(), nullptr);
    EXPECT_STREQ(record->Version(), "1.5 Pretend");
    EXPECT_TRUE(record->HasExtension("GL_Y"));
    EXPECT_FALSE(record->HasExtension("GL_ARB_vertex_program"));
    ReleaseCurrentContextRecord();
    EXPECT_EQ(ContextRecordCount(), records);
}
