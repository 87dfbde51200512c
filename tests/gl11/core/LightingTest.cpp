// Lighting as OpenGL 1.1 defines it, checked against the equation worked out here in double
// precision: a square facing the viewer, lit the same at its four corners (directional lights,
// or a light on the square's axis), so every pixel is the lit colour.
#include "tests/gl11/core/EsWindow.h"

#include "gl11/Gl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace gl11;

namespace {
struct Rgb {
    double r, g, b;
};

struct LightSetup {
    const char* name;
    GLfloat position[4];
    GLfloat ambient[4];
    GLfloat diffuse[4];
    GLfloat specular[4];
    GLfloat attenuation[3];
    GLfloat spotCutoff, spotExponent; // the spot points down the axis, at the square
    GLfloat materialSpecular, shininess;
    bool colourMaterial;
};

// The colour OpenGL 1.1 gives a corner (1, 1, 0) of the square, normal (0, 0, 1), viewer at
// infinity, scene ambient 0.2, vertex colour (0.5, 1, 0.25).
Rgb Expected(const LightSetup& s) {
    const double colour[3] = {0.5, 1, 0.25};
    double ambient[3], diffuse[3];
    for (int i = 0; i < 3; ++i) {
        ambient[i] = s.colourMaterial ? colour[i] : 0.2;
        diffuse[i] = s.colourMaterial ? colour[i] : 0.8;
    }
    double vp[3] = {s.position[0], s.position[1], s.position[2]};
    double attenuation = 1, spot = 1;
    if (s.position[3] != 0) {
        const double d[3] = {s.position[0] - 1, s.position[1] - 1, s.position[2]};
        const double dist = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
        std::copy(d, d + 3, vp);
        attenuation =
            1 / (s.attenuation[0] + s.attenuation[1] * dist + s.attenuation[2] * dist * dist);
    }
    const double length = std::sqrt(vp[0] * vp[0] + vp[1] * vp[1] + vp[2] * vp[2]);
    for (double& v : vp)
        v /= length;
    if (s.spotCutoff != 180) {
        const double towardsVertex = vp[2]; // the spot points along -z
        spot = towardsVertex < std::cos(s.spotCutoff * M_PI / 180)
                   ? 0
                   : std::pow(towardsVertex, s.spotExponent);
    }
    const double nDotVp = std::max(vp[2], 0.0);
    const double h[3] = {vp[0], vp[1], vp[2] + 1};
    const double nDotH = h[2] / std::sqrt(h[0] * h[0] + h[1] * h[1] + h[2] * h[2]);
    const double specular = nDotVp > 0 ? std::pow(nDotH, s.shininess) : 0;
    double out[3];
    for (int i = 0; i < 3; ++i) {
        const double light = ambient[i] * s.ambient[i] + nDotVp * diffuse[i] * s.diffuse[i] +
                             specular * s.materialSpecular * s.specular[i];
        out[i] = std::min(1.0, ambient[i] * 0.2 + attenuation * spot * light);
    }
    return {out[0] * 255, out[1] * 255, out[2] * 255};
}

void Light(const LightSetup& s) {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT2);
    glLightfv(GL_LIGHT2, GL_POSITION, s.position);
    glLightfv(GL_LIGHT2, GL_AMBIENT, s.ambient);
    glLightfv(GL_LIGHT2, GL_DIFFUSE, s.diffuse);
    glLightfv(GL_LIGHT2, GL_SPECULAR, s.specular);
    glLightf(GL_LIGHT2, GL_CONSTANT_ATTENUATION, s.attenuation[0]);
    glLightf(GL_LIGHT2, GL_LINEAR_ATTENUATION, s.attenuation[1]);
    glLightf(GL_LIGHT2, GL_QUADRATIC_ATTENUATION, s.attenuation[2]);
    const GLfloat down[3] = {0, 0, -1};
    glLightfv(GL_LIGHT2, GL_SPOT_DIRECTION, down);
    glLightf(GL_LIGHT2, GL_SPOT_CUTOFF, s.spotCutoff);
    glLightf(GL_LIGHT2, GL_SPOT_EXPONENT, s.spotExponent);
    const GLfloat specular[4] = {s.materialSpecular, s.materialSpecular, s.materialSpecular, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, s.shininess);
    if (s.colourMaterial)
        glEnable(GL_COLOR_MATERIAL);
    else
        glDisable(GL_COLOR_MATERIAL);
}

// The square over the whole window, drawn counter-clockwise (facing) or not.
void Square(bool facing) {
    glColor3f(0.5f, 1, 0.25f);
    glNormal3f(0, 0, 1);
    const float x[4] = {-1, 1, 1, -1}, y[4] = {-1, -1, 1, 1};
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        const int k = facing ? i : 3 - i;
        glVertex3f(x[k], y[k], 0);
    }
    glEnd();
}

std::vector<int> Centre(EsWindow& window) {
    const std::vector<std::uint8_t> p = window.Read();
    const std::size_t i =
        (static_cast<std::size_t>(window.Height() / 2) * window.Width() + window.Width() / 2) * 4;
    return {p[i], p[i + 1], p[i + 2], p[i + 3]};
}
} // namespace

TEST(Lighting, FollowsOpenGl11sEquation) {
    EsWindow window(16, 16);
    REQUIRE_ES(window);
    const LightSetup cases[] = {
        // First: once colour material has been on, the material keeps the last colour.
        {"directional, default material",
         {1, 0, 2, 0},
         {0.1f, 0.2f, 0.3f, 1},
         {0.8f, 0.6f, 0.4f, 1},
         {0, 0, 0, 1},
         {1, 0, 0},
         180,
         0,
         0,
         0,
         false},
        {"directional, colour material",
         {0, 1, 1, 0},
         {0.1f, 0.2f, 0.3f, 1},
         {0.8f, 0.6f, 0.4f, 1},
         {0, 0, 0, 1},
         {1, 0, 0},
         180,
         0,
         0,
         0,
         true},
        {"positional, attenuated",
         {0, 0, 2, 1},
         {0.2f, 0.2f, 0.2f, 1},
         {1, 1, 1, 1},
         {0, 0, 0, 1},
         {1, 0.5f, 0.25f},
         180,
         0,
         0,
         0,
         true},
        {"spot, inside its cone",
         {0, 0, 1, 1},
         {0.1f, 0.1f, 0.1f, 1},
         {1, 0.9f, 0.8f, 1},
         {0, 0, 0, 1},
         {1, 0, 0},
         60,
         5,
         0,
         0,
         true},
        {"spot, outside its cone",
         {0, 0, 1, 1},
         {0.5f, 0.5f, 0.5f, 1},
         {1, 1, 1, 1},
         {0, 0, 0, 1},
         {1, 0, 0},
         45,
         5,
         0,
         0,
         true},
        {"specular highlight",
         {0, 1, 1, 0},
         {0, 0, 0, 1},
         {0.2f, 0.2f, 0.2f, 1},
         {0.3f, 0.3f, 0.3f, 1},
         {1, 0, 0},
         180,
         0,
         1,
         10,
         true},
        {"shininess 0",
         {0, 1, 1, 0},
         {0, 0, 0, 1},
         {0.2f, 0.2f, 0.2f, 1},
         {0.3f, 0.5f, 0.1f, 1},
         {1, 0, 0},
         180,
         0,
         1,
         0,
         true},
        {"bright enough to clamp",
         {0, 0, 1, 0},
         {3, 3, 3, 1},
         {3, 3, 3, 1},
         {0, 0, 0, 1},
         {1, 0, 0},
         180,
         0,
         0,
         0,
         true},
    };
    for (const LightSetup& s : cases) {
        glClear(GL_COLOR_BUFFER_BIT);
        Light(s);
        Square(true);
        const std::vector<int> got = Centre(window);
        const Rgb want = Expected(s);
        EXPECT_NEAR(got[0], want.r, 1.0) << s.name;
        EXPECT_NEAR(got[1], want.g, 1.0) << s.name;
        EXPECT_NEAR(got[2], want.b, 1.0) << s.name;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(Lighting, BackFacesAndColourMaterialAsOpenGl11HasThem) {
    EsWindow window(16, 16);
    REQUIRE_ES(window);
    const LightSetup frontLight = {
        "", {0, 0, 1, 0}, {0, 0, 0, 1}, {1, 1, 1, 1}, {0, 0, 0, 1}, {1, 0, 0}, 180, 0, 0, 0, true};
    Light(frontLight);
    // One-sided, a back face is lit with the front's normal; two-sided, with its reverse,
    // which faces away from the light and leaves only the scene's ambient.
    Square(false);
    EXPECT_EQ(Centre(window)[1], 255);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
    Square(false);
    EXPECT_EQ(Centre(window)[1], 51);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);

    // The material follows the colour while colour material is on, and keeps the last one.
    glColor4f(0.25f, 0.5f, 0.75f, 0.5f);
    glDisable(GL_COLOR_MATERIAL);
    GLfloat diffuse[4];
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    EXPECT_EQ(diffuse[2], 0.75f);
    EXPECT_EQ(diffuse[3], 0.5f);
    glGetMaterialfv(GL_BACK, GL_AMBIENT, diffuse);
    EXPECT_EQ(diffuse[0], 0.25f);
    // Lit alpha is the diffuse material's.
    glClear(GL_COLOR_BUFFER_BIT);
    glColor4f(1, 1, 1, 1);
    Square(true);
    EXPECT_EQ(Centre(window)[3], 128);
}
