#include "framework/GLContextRecord.h"
#include "lander/ParticleSystem.h"
#include "lander/PointProgramProbe.h"
#include "scene/Random.h"
#include "tests/scene/Feedback.h"
#include "tests/support/TestContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {
std::unique_ptr<ParticleSystem> LivePlume(int count) {
    auto plume = std::make_unique<ParticleSystem>();
    plume->SetEmitterPosition(Vec3(0, 727.5, 0));
    plume->SetBaseDirection(Vec3(0, -1, 0));
    plume->SetSpreadAxis(Vec3(0, 0, -1));
    SeedRandom(21);
    plume->Restart(Vec3(0, 727.5, 0));
    plume->SetCount(count);
    plume->SetActive(true);
    return plume;
}
} // namespace

TEST(ParticleDraw, EmptyPoolTouchesNoRecord) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto plume = std::make_unique<ParticleSystem>();
    plume->slots[0].life = -1.0; // dead, and would be reborn if touched
    plume->slots[0].alive = true;
    SeedRandom(6);
    auto fed = CaptureFeedback([&] { plume->Draw(); });
    EXPECT_TRUE(fed.empty());
    EXPECT_EQ(plume->slots[0].life, -1.0);
    SeedRandom(6);
    int expected = NextRandom();
    SeedRandom(6);
    plume->Update();
    EXPECT_EQ(NextRandom(), expected);
    // The state is still restored.
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST(ParticleDraw, DrawsLiveRecordsAtTheirPositions) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto plume = LivePlume(3);
    plume->slots[0].position = Vec3(10, 20, 0);
    plume->slots[1].position = Vec3(-30, 40, 0);
    plume->slots[2].position = Vec3(50, -60, 0);
    auto fed = CaptureFeedback([&] { plume->Draw(); });
    ASSERT_EQ(fed.size(), 3u);
    EXPECT_NEAR(fed[1].vertices[0].x, -30, 1e-3);
    EXPECT_NEAR(fed[2].vertices[0].y, -60, 1e-3);
}

TEST(ParticleDraw, LifeExactlyZeroIsRebornNotDrawnWhileEmitting) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto plume = LivePlume(2);
    plume->slots[1].life = 0.0;
    plume->slots[1].position = Vec3(99, 99, 99);
    auto fed = CaptureFeedback([&] { plume->Draw(); });
    EXPECT_EQ(CountKind(fed, FedPrimitive::Point), 1u);
    EXPECT_GT(plume->slots[1].life, 0.0);
    EXPECT_EQ(plume->slots[1].position, Vec3(0, 727.5, 0));
}

TEST(ParticleDraw, DeadRecordsStayDeadOnceEmissionStops) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto plume = LivePlume(2);
    plume->slots[1].life = 0.0;
    plume->SetEmitting(false);
    Vec3 velocity = plume->slots[1].velocity;
    auto fed = CaptureFeedback([&] { plume->Draw(); });
    EXPECT_EQ(CountKind(fed, FedPrimitive::Point), 1u);
    EXPECT_EQ(plume->slots[1].life, 0.0);
    EXPECT_EQ(plume->slots[1].velocity, velocity);
}

TEST(ParticleDraw, SecondWindowDrawsWhatTheFirstReborn) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto plume = LivePlume(15000);
    for (int step = 0; step < 3; ++step)
        plume->Update();
    std::size_t live = 0;
    for (const Particle& p : plume->slots)
        live += p.life > 0.0;
    ASSERT_LT(live, 15000u);
    auto first = CaptureFeedback([&] { plume->Draw(); });
    auto second = CaptureFeedback([&] { plume->Draw(); });
    EXPECT_EQ(CountKind(first, FedPrimitive::Point), live);
    EXPECT_EQ(CountKind(second, FedPrimitive::Point), 15000u);
}

namespace {
constexpr int kWidth = 670;
constexpr int kHeight = 400;

// The plume as it is in flight at full count: stepped and drawn a few frames, so that records
// die and are reborn and the cloud spreads below the nozzle.
std::unique_ptr<ParticleSystem> PlumeInFlight() {
    auto plume = LivePlume(ParticleSystem::kCapacity);
    plume->SetForce(Vec3(0, -1.6, 0));
    plume->drawPath = ParticleDrawPath::Immediate;
    for (int frame = 0; frame < 6; ++frame) {
        plume->Update();
        plume->Draw();
    }
    return plume;
}

// A frame of the size of the main view, looking at the plume from close by with the game's
// frustum, the depth test on and a grey wall cutting through the cloud.
std::vector<unsigned char> DrawFrame(ParticleSystem& plume, ParticleDrawPath path) {
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.1, 0.1, -0.1, 0.1, 0.1, 20000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(10, 735, 45, 0, 712, 0, 0, 1, 0);
    glEnable(GL_DEPTH_TEST);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glColor3f(0.3f, 0.3f, 0.35f);
    glBegin(GL_QUADS);
    glVertex3d(-60, 650, 2);
    glVertex3d(0, 650, 2);
    glVertex3d(0, 760, 2);
    glVertex3d(-60, 760, 2);
    glEnd();
    glEnable(GL_LIGHTING);
    plume.drawPath = path;
    plume.Draw();
    std::vector<unsigned char> pixels(kWidth * kHeight * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

struct Difference {
    int pixels = 0;  // pixels with any channel different
    int largest = 0; // the largest difference of one channel, in levels
};

Difference Compare(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    Difference d;
    for (std::size_t i = 0; i < a.size(); i += 4) {
        int worst = 0;
        for (std::size_t c = 0; c < 3; ++c)
            worst = std::max(worst, std::abs(a[i + c] - b[i + c]));
        d.pixels += worst > 0;
        d.largest = std::max(d.largest, worst);
    }
    return d;
}

int LitPixels(const std::vector<unsigned char>& picture) {
    int lit = 0;
    for (std::size_t i = 0; i < picture.size(); i += 4)
        lit += picture[i] > 0;
    return lit;
}

void ExpectSameRecords(const ParticleSystem& a, const ParticleSystem& b) {
    int differing = 0;
    for (int i = 0; i < ParticleSystem::kCapacity; ++i) {
        const Particle& p = a.slots[i];
        const Particle& q = b.slots[i];
        differing += !(p.position == q.position && p.velocity == q.velocity && p.life == q.life &&
                       p.fade == q.fade && p.mass == q.mass && p.alive == q.alive &&
                       p.colour.r == q.colour.r && p.colour.g == q.colour.g &&
                       p.colour.b == q.colour.b && p.colour.a == q.colour.a);
    }
    EXPECT_EQ(differing, 0);
}

struct Drawn {
    std::vector<unsigned char> picture;
    std::unique_ptr<ParticleSystem> plume; // as the draw left it
    int nextRandom = 0;                    // the generator's next number after the draw
};

// Draws a copy of the plume with the generator at a known state.
Drawn DrawCopy(const ParticleSystem& plume, ParticleDrawPath path) {
    Drawn d;
    d.plume = std::make_unique<ParticleSystem>(plume);
    SeedRandom(77);
    d.picture = DrawFrame(*d.plume, path);
    d.nextRandom = NextRandom();
    return d;
}

// The kinds of vertex program the current context offers.
std::vector<std::pair<PointProgramKind, ParticleDrawPath>> OfferedPaths() {
    const PointProgramSupport offered =
        PointProgramSupportFor(reinterpret_cast<const char*>(glGetString(GL_VERSION)),
                               reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)));
    std::vector<std::pair<PointProgramKind, ParticleDrawPath>> paths;
    if (offered.arbProgram)
        paths.emplace_back(PointProgramKind::ArbProgram, ParticleDrawPath::VertexProgram);
    if (offered.glslShader)
        paths.emplace_back(PointProgramKind::GlslShader, ParticleDrawPath::VertexShader);
    return paths;
}
} // namespace

TEST(ParticleDrawPaths, OneDrawThroughAProgramGivesTheReferencePictureAndState) {
    TestContext ctx(kWidth, kHeight);
    ASSERT_TRUE(ctx.Ok());
    auto plume = PlumeInFlight();
    const Drawn reference = DrawCopy(*plume, ParticleDrawPath::Immediate);
    EXPECT_EQ(PointProgramName(PointProgramKind::ArbProgram), 0u);
    EXPECT_EQ(PointProgramName(PointProgramKind::GlslShader), 0u);
    // A picture worth comparing: thousands of points, some of them behind the wall.
    ASSERT_GT(LitPixels(reference.picture), 20000);

    const auto paths = OfferedPaths();
    ASSERT_FALSE(paths.empty()) << "the context offers no vertex programs: nothing to compare";
    for (const auto& path : paths) {
        SCOPED_TRACE(path.first == PointProgramKind::ArbProgram ? "ARB program" : "GLSL shader");
        const Drawn fast = DrawCopy(*plume, path.second);
        EXPECT_NE(PointProgramName(path.first), 0u);
        const Difference d = Compare(reference.picture, fast.picture);
        EXPECT_LE(d.pixels, kWidth * kHeight * 5 / 10000) << d.pixels << " pixels differ";
        EXPECT_LE(d.largest, 1);
        ExpectSameRecords(*reference.plume, *fast.plume);
        EXPECT_EQ(fast.nextRandom, reference.nextRandom);
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

namespace {
// The assembly program bound in the current context, -1 when that cannot be asked.
GLint ArbProgramBinding() {
    auto query = reinterpret_cast<PFNGLGETPROGRAMIVARBPROC>(
        reinterpret_cast<void (*)()>(wglGetProcAddress("glGetProgramivARB")));
    GLint binding = -1;
    if (query)
        query(GL_VERTEX_PROGRAM_ARB, GL_PROGRAM_BINDING_ARB, &binding);
    return binding;
}

// What a draw leaves behind that later drawing could notice.
struct LeftState {
    GLboolean lighting, blend, depth, vertexArray, colourArray, arbProgram, pointSizeByVertex;
    GLint blendSource, blendDestination, arbBinding, glslProgram, vertexArraySize;
    GLfloat pointSize;
    GLfloat colour[4];
    GLvoid* vertexPointer;

    static LeftState Read() {
        LeftState s;
        s.lighting = glIsEnabled(GL_LIGHTING);
        s.blend = glIsEnabled(GL_BLEND);
        s.depth = glIsEnabled(GL_DEPTH_TEST);
        s.vertexArray = glIsEnabled(GL_VERTEX_ARRAY);
        s.colourArray = glIsEnabled(GL_COLOR_ARRAY);
        s.arbProgram = glIsEnabled(GL_VERTEX_PROGRAM_ARB);
        s.pointSizeByVertex = glIsEnabled(GL_VERTEX_PROGRAM_POINT_SIZE);
        glGetIntegerv(GL_BLEND_SRC, &s.blendSource);
        glGetIntegerv(GL_BLEND_DST, &s.blendDestination);
        s.arbBinding = s.glslProgram = -1;
        s.arbBinding = ArbProgramBinding();
        glGetIntegerv(GL_CURRENT_PROGRAM, &s.glslProgram);
        glGetIntegerv(GL_VERTEX_ARRAY_SIZE, &s.vertexArraySize);
        glGetFloatv(GL_POINT_SIZE, &s.pointSize);
        glGetFloatv(GL_CURRENT_COLOR, s.colour);
        glGetPointerv(GL_VERTEX_ARRAY_POINTER, &s.vertexPointer);
        return s;
    }
};

void ExpectSameState(const LeftState& a, const LeftState& b) {
    EXPECT_EQ(a.lighting, b.lighting);
    EXPECT_EQ(a.blend, b.blend);
    EXPECT_EQ(a.depth, b.depth);
    EXPECT_EQ(a.vertexArray, b.vertexArray);
    EXPECT_EQ(a.colourArray, b.colourArray);
    EXPECT_EQ(a.arbProgram, b.arbProgram);
    EXPECT_EQ(a.pointSizeByVertex, b.pointSizeByVertex);
    EXPECT_EQ(a.blendSource, b.blendSource);
    EXPECT_EQ(a.blendDestination, b.blendDestination);
    EXPECT_EQ(a.arbBinding, b.arbBinding);
    EXPECT_EQ(a.glslProgram, b.glslProgram);
    EXPECT_EQ(a.vertexArraySize, b.vertexArraySize);
    EXPECT_EQ(a.pointSize, b.pointSize);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(a.colour[c], b.colour[c]) << "channel " << c;
    EXPECT_EQ(a.vertexPointer, b.vertexPointer);
}

// Draws a copy of the plume with some unrelated array state set beforehand.
LeftState StateAfterDrawing(const ParticleSystem& plume, ParticleDrawPath path) {
    static const GLfloat elsewhere[8] = {};
    glVertexPointer(2, GL_FLOAT, 0, elsewhere);
    glEnableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glEnable(GL_DEPTH_TEST);
    glColor4f(0.5f, 0.25f, 0.125f, 0.0625f);
    auto copy = std::make_unique<ParticleSystem>(plume);
    copy->drawPath = path;
    copy->Draw();
    LeftState s = LeftState::Read();
    glDisableClientState(GL_VERTEX_ARRAY);
    return s;
}
} // namespace

TEST(ParticleDrawPaths, ProgramPathsLeaveTheStateTheReferenceLeaves) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto plume = PlumeInFlight();
    const LeftState reference = StateAfterDrawing(*plume, ParticleDrawPath::Immediate);
    EXPECT_TRUE(reference.lighting);
    EXPECT_FALSE(reference.blend);
    EXPECT_EQ(reference.pointSize, 1.0f);
    const auto paths = OfferedPaths();
    ASSERT_FALSE(paths.empty());
    for (const auto& path : paths) {
        SCOPED_TRACE(path.first == PointProgramKind::ArbProgram ? "ARB program" : "GLSL shader");
        ExpectSameState(StateAfterDrawing(*plume, path.second), reference);
        EXPECT_NE(PointProgramName(path.first), 0u);
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(ParticleDrawPaths, FastestTakesTheAssemblyProgramWhereOffered) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    auto plume = LivePlume(100);
    plume->Draw(); // the default path
    const auto paths = OfferedPaths();
    ASSERT_FALSE(paths.empty());
    EXPECT_NE(PointProgramName(paths.front().first), 0u);
    if (paths.size() > 1) {
        // Nothing is made that is not used.
        EXPECT_EQ(PointProgramName(paths.back().first), 0u);
    }
}

TEST(ParticleDrawPaths, WithoutTheExtensionsTheReferencePathDraws) {
    TestContext ctx(kWidth, kHeight);
    ASSERT_TRUE(ctx.Ok());
    auto plume = PlumeInFlight();
    const Drawn reference = DrawCopy(*plume, ParticleDrawPath::Immediate);
    // An OpenGL 1.5 driver that knows only other vertex programs.
    PretendContextStrings("1.5.0 Build 7", "GL_ARB_multitexture GL_NV_vertex_program "
                                           "GL_ARB_vertex_program2_x GL_EXT_blend_func_separate");
    for (ParticleDrawPath path : {ParticleDrawPath::Fastest, ParticleDrawPath::VertexProgram,
                                  ParticleDrawPath::VertexShader}) {
        const Drawn fallback = DrawCopy(*plume, path);
        EXPECT_EQ(Compare(reference.picture, fallback.picture).pixels, 0);
        ExpectSameRecords(*reference.plume, *fallback.plume);
        EXPECT_EQ(fallback.nextRandom, reference.nextRandom);
    }
    EXPECT_EQ(PointProgramName(PointProgramKind::ArbProgram), 0u);
    EXPECT_EQ(PointProgramName(PointProgramKind::GlslShader), 0u);
    // A 2.0 driver without the assembly programs: the shader stands in, but only where asked.
    PretendContextStrings("2.0.0", "GL_ARB_multitexture");
    DrawCopy(*plume, ParticleDrawPath::VertexProgram);
    EXPECT_EQ(PointProgramName(PointProgramKind::GlslShader), 0u);
    DrawCopy(*plume, ParticleDrawPath::Fastest);
    EXPECT_EQ(PointProgramName(PointProgramKind::ArbProgram), 0u);
    EXPECT_NE(PointProgramName(PointProgramKind::GlslShader), 0u);
}

TEST(ParticleDrawPaths, AnEmptyPoolDrawsNothingAndMakesNoProgram) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    const int contexts = ContextRecordCount();
    auto plume = std::make_unique<ParticleSystem>();
    plume->SetActive(true);
    auto fed = CaptureFeedback([&] { plume->Draw(); });
    EXPECT_TRUE(fed.empty());
    EXPECT_EQ(ContextRecordCount(), contexts);
    // In use but all dead: reborn, and not one point drawn.
    plume->SetCount(50);
    fed = CaptureFeedback([&] { plume->Draw(); });
    EXPECT_TRUE(fed.empty());
    EXPECT_TRUE(plume->slots[49].alive);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
