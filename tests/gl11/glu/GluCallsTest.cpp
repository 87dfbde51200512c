// Our GLU against the system's, call for call: each case runs both with the same arguments and
// compares everything each asked of OpenGL, values to the last bit and pictures by digest.
#include "tests/gl11/glu/GlRecorder.h"

#include <GL/glu.h>

#include "gl11/Glu.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

Calls Record(const std::function<void()>& draw, int maxTextureSize = 1024) {
    recorder::Reset(maxTextureSize);
    draw();
    return recorder::Calls();
}

// Says where two recordings part, with the calls round it.
std::string FirstDifference(const Calls& system, const Calls& ours) {
    size_t i = 0;
    while (i < system.size() && i < ours.size() && system[i] == ours[i])
        ++i;
    if (i == system.size() && i == ours.size())
        return "";
    std::string text = "calls " + std::to_string(system.size()) + " (system) and " +
                       std::to_string(ours.size()) + " (ours); first difference at " +
                       std::to_string(i) + ":\n";
    for (size_t k = i >= 3 ? i - 3 : 0; k < i + 3; ++k) {
        text += "  system: " + (k < system.size() ? system[k] : std::string("-")) + "\n";
        text += "  ours:   " + (k < ours.size() ? ours[k] : std::string("-")) + "\n";
    }
    return text;
}

void ExpectSameCalls(const std::function<void()>& system, const std::function<void()>& ours,
                     int maxTextureSize = 1024) {
    const Calls expected = Record(system, maxTextureSize);
    const Calls actual = Record(ours, maxTextureSize);
    EXPECT_EQ(FirstDifference(expected, actual), "");
}

struct QuadricCase {
    double inner, radius; // inner is the disk's hole; spheres ignore it
    int slices, stacks;
    bool textured;
    GLenum normals;
};

// The program's bodies (blue 100, red 400 asking beyond the cap, landing disk, stars) and
// the edges: the fewest slices and stacks, a disk with a hole, no normals.
const QuadricCase kQuadrics[] = {
    {0, 100, 100, 100, false, GLU_SMOOTH}, {0, 400, 400, 400, false, GLU_SMOOTH},
    {0, 70, 70, 70, true, GLU_SMOOTH},     {0, 10000, 25, 25, true, GLU_SMOOTH},
    {0, 1, 2, 1, false, GLU_SMOOTH},       {0, 1, 3, 2, true, GLU_SMOOTH},
    {0.25, 2, 7, 3, true, GLU_SMOOTH},     {0, 1.5, 240, 239, true, GLU_SMOOTH},
    {0, 3, 5, 4, false, GLU_NONE},         {0, 0, 5, 4, true, GLU_SMOOTH},
    {0, 1, 1, 1, false, GLU_SMOOTH},       {0, 1, 5, 0, false, GLU_SMOOTH},
};

// A quadric of each GLU made as the case says, drawn by draw (a sphere or a disk of either GLU,
// as the quadric type picks), and deleted.
template <typename Quadric, typename New, typename Normals, typename Texture, typename Delete,
          typename Draw>
std::function<void()> WithQuadric(const QuadricCase& q, New make, Normals normals, Texture texture,
                                  Delete remove, Draw draw) {
    return [=] {
        Quadric* quadric = make();
        normals(quadric, q.normals);
        texture(quadric, q.textured);
        draw(quadric, q);
        remove(quadric);
    };
}

std::function<void()> SystemQuadric(const QuadricCase& q,
                                    void (*draw)(GLUquadric*, const QuadricCase&)) {
    return WithQuadric<GLUquadric>(q, ::gluNewQuadric, ::gluQuadricNormals, ::gluQuadricTexture,
                                   ::gluDeleteQuadric, draw);
}

std::function<void()> OurQuadric(const QuadricCase& q,
                                 void (*draw)(gl11::GLUquadric*, const QuadricCase&)) {
    return WithQuadric<gl11::GLUquadric>(q, gl11::gluNewQuadric, gl11::gluQuadricNormals,
                                         gl11::gluQuadricTexture, gl11::gluDeleteQuadric, draw);
}

TEST(GluCallsTest, SpheresAreDrawnAsTheSystemsGluDrawsThem) {
    for (const QuadricCase& q : kQuadrics) {
        SCOPED_TRACE(testing::Message() << "sphere radius " << q.radius << ", " << q.slices << " x "
                                        << q.stacks << ", textured " << q.textured);
        ExpectSameCalls(SystemQuadric(q,
                                      [](GLUquadric* quadric, const QuadricCase& c) {
                                          ::gluSphere(quadric, c.radius, c.slices, c.stacks);
                                      }),
                        OurQuadric(q, [](gl11::GLUquadric* quadric, const QuadricCase& c) {
                            gl11::gluSphere(quadric, c.radius, c.slices, c.stacks);
                        }));
    }
}

TEST(GluCallsTest, DisksAreDrawnAsTheSystemsGluDrawsThem) {
    for (const QuadricCase& q : kQuadrics) {
        SCOPED_TRACE(testing::Message()
                     << "disk " << q.inner << " to " << q.radius << ", " << q.slices << " x "
                     << q.stacks << ", textured " << q.textured);
        ExpectSameCalls(SystemQuadric(q,
                                      [](GLUquadric* quadric, const QuadricCase& c) {
                                          ::gluDisk(quadric, c.inner, c.radius, c.slices, c.stacks);
                                      }),
                        OurQuadric(q, [](gl11::GLUquadric* quadric, const QuadricCase& c) {
                            gl11::gluDisk(quadric, c.inner, c.radius, c.slices, c.stacks);
                        }));
    }
}

TEST(GluCallsTest, LookAtMultipliesWhatTheSystemsGluMultiplies) {
    // The game's cameras (behind and above the lander, straight down with z up) and the
    // degenerate ones: up along the view, eye on the centre.
    const double kViews[][9] = {
        {0, 0, 5, 0, 0, 0, 0, 1, 0},
        {1502.25, 2000.5, -311.75, 1500, 1990, -300, 0, 1, 0},
        {12.3, 5300, 7.7, 12.3, 0, 7.7, 0, 0, 1},
        {0.1, 0.2, 0.3, -4000.7, 123.456, 99.9, 0.3, 0.9, -0.1},
        {0, 0, 0, 0, 10, 0, 0, 1, 0},
        {3, 3, 3, 3, 3, 3, 0, 1, 0},
    };
    for (const auto& v : kViews) {
        SCOPED_TRACE(testing::Message() << "eye " << v[0] << " " << v[1] << " " << v[2]);
        ExpectSameCalls(
            [&] { ::gluLookAt(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]); },
            [&] { gl11::gluLookAt(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]); });
    }
}

struct MipmapCase {
    int width, height;
    GLint internalFormat;
    GLenum format;
    int alignment, rowLength, skipPixels, skipRows;
    int maxTextureSize;
};

TEST(GluCallsTest, MipmapsAreTheSystemsGluLevels) {
    // Powers of two and not (scaled up and down), thin ones, every format the framework
    // uploads, rows padded and offset by the unpacking state, and largest sizes that cut.
    const MipmapCase kCases[] = {
        {64, 64, 3, GL_RGB, 4, 0, 0, 0, 1024},
        {1, 1, 4, GL_RGBA, 4, 0, 0, 0, 1024},
        {100, 37, 3, GL_RGB, 4, 0, 0, 0, 1024},
        {300, 200, 4, GL_RGBA, 1, 0, 0, 0, 1024},
        {256, 1, 3, 0x80E0, 1, 0, 0, 0, 1024},
        {5, 9, 4, 0x80E1, 1, 0, 0, 0, 1024},
        {33, 17, 1, GL_LUMINANCE, 4, 0, 0, 0, 1024},
        {48, 24, GL_ALPHA, GL_ALPHA, 1, 0, 0, 0, 1024},
        {13, 7, 2, GL_LUMINANCE_ALPHA, 2, 0, 0, 0, 1024},
        {20, 10, 3, GL_RGB, 8, 25, 3, 2, 1024},
        {300, 200, 3, GL_RGB, 1, 0, 0, 0, 64},
        {96, 96, 3, GL_RGB, 4, 0, 0, 0, 1024},
        {47, 95, 3, GL_RGB, 4, 0, 0, 0, 1024},
        {1, 700, 4, GL_RGBA, 4, 0, 0, 0, 256},

    };
    for (const MipmapCase& m : kCases) {
        SCOPED_TRACE(testing::Message()
                     << m.width << " x " << m.height << " format " << m.format << " alignment "
                     << m.alignment << " largest " << m.maxTextureSize);
        // A picture with something different in every byte: gradients and a hash.
        std::vector<unsigned char> pixels(static_cast<size_t>(m.width + 40) * (m.height + 8) * 4 +
                                          64);
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = static_cast<unsigned char>((i * 2654435761u) >> 13);
        auto build =
            [&](GLint (*mipmaps)(GLenum, GLint, GLsizei, GLsizei, GLenum, GLenum, const void*)) {
                return [&, mipmaps] {
                    recorder::SetUnpack(GL_UNPACK_ALIGNMENT, m.alignment);
                    recorder::SetUnpack(GL_UNPACK_ROW_LENGTH, m.rowLength);
                    recorder::SetUnpack(GL_UNPACK_SKIP_PIXELS, m.skipPixels);
                    recorder::SetUnpack(GL_UNPACK_SKIP_ROWS, m.skipRows);
                    const GLint result = mipmaps(GL_TEXTURE_2D, m.internalFormat, m.width, m.height,
                                                 m.format, GL_UNSIGNED_BYTE, pixels.data());
                    recorder::Calls().push_back("result " + std::to_string(result));
                    // The caller's unpacking state is put back.
                    GLint alignment = 0;
                    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
                    recorder::Calls().push_back("alignment after " + std::to_string(alignment));
                };
            };
        ExpectSameCalls(build(&::gluBuild2DMipmaps), build(&gl11::gluBuild2DMipmaps),
                        m.maxTextureSize);
    }
}

TEST(GluCallsTest, NoQuadricDrawsNothing) {
    recorder::Reset();
    gl11::gluQuadricNormals(nullptr, GLU_SMOOTH);
    gl11::gluQuadricTexture(nullptr, GL_TRUE);
    gl11::gluSphere(nullptr, 1, 10, 10);
    gl11::gluDisk(nullptr, 0, 1, 10, 10);
    gl11::gluDeleteQuadric(nullptr);
    EXPECT_TRUE(recorder::Calls().empty());
}

// What this GLU does not do says so, and stops a debug build; otherwise it changes nothing
// (the quadric keeps its smooth normals) or uploads nothing.
TEST(GluCallsTest, WhatIsNotImplementedSaysSo) {
    const unsigned char pixels[16] = {};
    auto flat = [] {
        gl11::GLUquadric* quadric = gl11::gluNewQuadric();
        gl11::gluQuadricNormals(quadric, GLU_FLAT);
        gl11::gluSphere(quadric, 1, 4, 3);
        gl11::gluDeleteQuadric(quadric);
    };
    auto floats = [&] {
        return gl11::gluBuild2DMipmaps(GL_TEXTURE_2D, 3, 1, 1, GL_RGB, GL_FLOAT, pixels);
    };
#ifndef NDEBUG
    EXPECT_DEATH(flat(), "gluQuadricNormals \\(GLU_FLAT\\) is not implemented");
    EXPECT_DEATH(floats(), "gluBuild2DMipmaps .* is not implemented");
#else
    ExpectSameCalls(
        [] {
            GLUquadric* quadric = ::gluNewQuadric();
            ::gluSphere(quadric, 1, 4, 3);
            ::gluDeleteQuadric(quadric);
        },
        flat);
    recorder::Reset();
    testing::internal::CaptureStderr();
    EXPECT_EQ(floats(), GLU_INVALID_ENUM);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("is not implemented"), std::string::npos);
    EXPECT_TRUE(recorder::Calls().empty());
#endif
}

TEST(GluCallsTest, MipmapsThatOpenGLTakesAtNoSizeAreAnError) {
    // The system's GLU asks down to one pixel, uploads nothing and answers success; ours asks
    // the same and says it failed.
    const unsigned char pixels[8 * 8 * 3] = {};
    const Calls system = Record(
        [&] { ::gluBuild2DMipmaps(GL_TEXTURE_2D, 3, 8, 8, GL_RGB, GL_UNSIGNED_BYTE, pixels); }, 0);
    GLint result = 0;
    const Calls ours = Record(
        [&] {
            result =
                gl11::gluBuild2DMipmaps(GL_TEXTURE_2D, 3, 8, 8, GL_RGB, GL_UNSIGNED_BYTE, pixels);
        },
        0);
    EXPECT_EQ(FirstDifference(system, ours), "");
    EXPECT_EQ(result, GLU_OUT_OF_MEMORY);
    for (const std::string& call : ours)
        EXPECT_EQ(call.rfind("glTexImage2D", 0), std::string::npos) << call;
}

TEST(GluCallsTest, MipmapsRefuseWhatTheSystemsGluRefuses) {
    // Sizes below one, a format that is not one, and a null quadric drawn: errors, no upload,
    // no crash.
    const struct {
        int width, height;
        GLenum format;
    } kCases[] = {{0, 4, GL_RGB}, {4, -1, GL_RGB}, {4, 4, 0x1234}};
    const unsigned char pixels[64] = {};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " format " << c.format);
        const GLint expected = ::gluBuild2DMipmaps(GL_TEXTURE_2D, 3, c.width, c.height, c.format,
                                                   GL_UNSIGNED_BYTE, pixels);
        recorder::Reset();
        EXPECT_EQ(gl11::gluBuild2DMipmaps(GL_TEXTURE_2D, 3, c.width, c.height, c.format,
                                          GL_UNSIGNED_BYTE, pixels),
                  expected);
        EXPECT_TRUE(recorder::Calls().empty());
    }
}

} // namespace
