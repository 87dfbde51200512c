#include "tests/gl11/scenes/Scenes.h"

#include "tests/gl11/scenes/SceneGl.h"

#include <cmath>

namespace {

GLuint checker = 0;  // a coloured checker picture with mipmaps, linear-mipmap-linear
GLuint gradient = 0; // a blue-green-red (BGR) gradient, nearest filtering
GLUquadric* smooth = nullptr;
GLUquadric* textured = nullptr;

void Perspective() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.1f, 0.1f, -0.1f, 0.1f, 0.1f, 20000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Flat() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Light(GLenum light, float x, float y, float z, float w, const float diffuse[4],
           const float ambient[4]) {
    const float position[4] = {x, y, z, w};
    glLightfv(light, GL_POSITION, position);
    glLightfv(light, GL_DIFFUSE, diffuse);
    glLightfv(light, GL_AMBIENT, ambient);
    glEnable(light);
}

// A plane of n x n quads facing +z, from -1 to 1, so that per-vertex lighting has vertices to
// light.
void Grid(int n) {
    glNormal3f(0, 0, 1);
    glBegin(GL_QUADS);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const float x0 = -1 + 2.0f * i / n, x1 = -1 + 2.0f * (i + 1) / n;
            const float y0 = -1 + 2.0f * j / n, y1 = -1 + 2.0f * (j + 1) / n;
            glVertex3f(x0, y0, 0);
            glVertex3f(x1, y0, 0);
            glVertex3f(x1, y1, 0);
            glVertex3f(x0, y1, 0);
        }
    glEnd();
}

void StartLit() {
    Perspective();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    const float black[4] = {0, 0, 0, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
}

void LitSpheres() {
    const float colours[3][4] = {
        {0.8f, 0.2f, 0.1f, 1}, {0.2f, 0.7f, 0.3f, 1}, {0.3f, 0.3f, 0.9f, 1}};
    for (int i = 0; i < 3; ++i) {
        glPushMatrix();
        glTranslated(-2.2 + 2.2 * i, 0.3 * i - 0.3, -4.5);
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, colours[i]);
        gluSphere(smooth, 1.0, 40, 30);
        glPopMatrix();
    }
}

void DirectionalLight() {
    StartLit();
    const float white[4] = {1, 1, 1, 1}, dim[4] = {0.15f, 0.1f, 0.05f, 1};
    Light(GL_LIGHT0, 1, 1, 1, 0, white, dim);
    const float specular[4] = {0.6f, 0.6f, 0.6f, 1};
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 20);
    LitSpheres();
}

void PositionalLight() {
    StartLit();
    const float warm[4] = {1, 0.9f, 0.6f, 1}, none[4] = {0, 0, 0, 1};
    Light(GL_LIGHT1, 0.5f, 2, -2, 1, warm, none);
    glLightf(GL_LIGHT1, GL_CONSTANT_ATTENUATION, 0.5f);
    glLightf(GL_LIGHT1, GL_LINEAR_ATTENUATION, 0.1f);
    glLightf(GL_LIGHT1, GL_QUADRATIC_ATTENUATION, 0.02f);
    LitSpheres();
    glPushMatrix();
    glTranslated(0, -1.5, -5.5);
    glRotated(-70, 1, 0, 0);
    glScaled(4, 4, 1);
    Grid(24);
    glPopMatrix();
}

void SpotLight() {
    StartLit();
    // The game's spotlight: cut-off 90 and exponent 10, and a narrower one beside it.
    const float white[4] = {1, 1, 1, 1}, red[4] = {1, 0.2f, 0.2f, 1}, none[4] = {0, 0, 0, 1};
    Light(GL_LIGHT2, -1, 0.5f, -6, 1, white, none);
    const float down[3] = {0.3f, -0.2f, -1};
    glLightfv(GL_LIGHT2, GL_SPOT_DIRECTION, down);
    glLightf(GL_LIGHT2, GL_SPOT_CUTOFF, 90);
    glLightf(GL_LIGHT2, GL_SPOT_EXPONENT, 10);
    Light(GL_LIGHT5, 1.5f, 0, -6, 1, red, none);
    const float ahead[3] = {0, 0, -1};
    glLightfv(GL_LIGHT5, GL_SPOT_DIRECTION, ahead);
    glLightf(GL_LIGHT5, GL_SPOT_CUTOFF, 25);
    glLightf(GL_LIGHT5, GL_SPOT_EXPONENT, 2);
    const float grey[4] = {0.8f, 0.8f, 0.8f, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, grey);
    glPushMatrix();
    glTranslated(0, 0, -10);
    glScaled(5, 5, 1);
    Grid(40);
    glPopMatrix();
}

void ColourMaterial() {
    StartLit();
    // As the game lights its bodies: colour material on both faces, a coloured and a white
    // directional light, and colours given per vertex and per body.
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    const float blue[4] = {0.3f, 0.4f, 1, 1}, white[4] = {0.7f, 0.7f, 0.7f, 1},
                dim[4] = {0.1f, 0.1f, 0.1f, 1};
    Light(GL_LIGHT0, -1, 0.5f, 1, 0, blue, dim);
    Light(GL_LIGHT1, 1, 1, 0.5f, 0, white, dim);
    glPushMatrix();
    glTranslated(-0.6, 0.5, -2.5);
    glRotated(30, 1, 0, 0);
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < 12; ++i) {
        const double a = i * 0.5235987755982988, b = (i + 1) * 0.5235987755982988;
        glNormal3d(0, 0, 1);
        glColor3d(1, 1, 1);
        glVertex3d(0, 0, 0);
        glNormal3d(std::cos(a) * 0.5, std::sin(a) * 0.5, 0.8);
        glColor3f(static_cast<float>(i) / 12, 0.5f, 1 - static_cast<float>(i) / 12);
        glVertex3d(std::cos(a), std::sin(a), 0);
        glNormal3d(std::cos(b) * 0.5, std::sin(b) * 0.5, 0.8);
        glColor4d(0.9, static_cast<double>(i) / 12, 0.2, 1);
        glVertex3d(std::cos(b), std::sin(b), 0);
    }
    glEnd();
    glPopMatrix();
    const float red[4] = {1, 0, 0, 1};
    glColor4fv(red);
    glPushMatrix();
    glTranslated(1, -1, -3.5);
    gluSphere(smooth, 1.2, 100, 100);
    glPopMatrix();
}

void Textures() {
    Perspective();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    // A floor running into the distance: every mipmap level shows.
    glBindTexture(GL_TEXTURE_2D, checker);
    glColor3d(0.9, 0.9, 0.9);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(-3, -1, -1.5f);
    glTexCoord2f(8, 0);
    glVertex3f(3, -1, -1.5f);
    glTexCoord2f(8, 40);
    glVertex3f(3, -1, -60);
    glTexCoord2f(0, 40);
    glVertex3f(-3, -1, -60);
    glEnd();
    // A gradient picture given as BGR, nearest, repeated beyond its edges.
    glBindTexture(GL_TEXTURE_2D, gradient);
    glColor3f(1, 1, 0.5f);
    glBegin(GL_QUADS);
    glTexCoord2f(-0.5f, -0.5f);
    glVertex3f(-0.9f, 0.1f, -2.5f);
    glTexCoord2f(1.5f, -0.5f);
    glVertex3f(0.9f, 0.1f, -2.5f);
    glTexCoord2f(1.5f, 1.5f);
    glVertex3f(0.9f, 1.1f, -3);
    glTexCoord2f(-0.5f, 1.5f);
    glVertex3f(-0.9f, 1.1f, -3);
    glEnd();
}

void Blending() {
    Flat();
    glEnable(GL_DEPTH_TEST);
    // Opaque bars behind, then translucent domes (source alpha) and glowing points' kind of
    // adding (source alpha, one), with alphas above one as the plume's are.
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        glColor3f(0.25f * i, 0.6f, 1 - 0.25f * i);
        glVertex3f(0.25f * i, 0, -0.5f);
        glVertex3f(0.25f * i + 0.2f, 0, -0.5f);
        glVertex3f(0.25f * i + 0.2f, 1, -0.5f);
        glVertex3f(0.25f * i, 1, -0.5f);
    }
    glEnd();
    glEnable(GL_BLEND);
    glDepthMask(GL_FALSE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_TRIANGLES);
    glColor4f(0.4f, 0.52156866f, 0.91764706f, 0.4f);
    glVertex3f(0.05f, 0.05f, 0);
    glVertex3f(0.7f, 0.1f, 0);
    glColor4f(1, 0.2f, 0.1f, 0.75f);
    glVertex3f(0.3f, 0.6f, 0);
    glEnd();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glBegin(GL_QUADS);
    glColor4d(1, 0.5, 0.1, 2.1);
    glVertex3f(0.45f, 0.4f, 0);
    glColor4d(1, 0.5, 0.1, 0.3);
    glVertex3f(0.95f, 0.4f, 0);
    glColor4d(0.2, 0.5, 1, 0.6);
    glVertex3f(0.95f, 0.95f, 0);
    glColor4d(1, 1, 1, 1.2);
    glVertex3f(0.45f, 0.95f, 0);
    glEnd();
    glDepthMask(GL_TRUE);
}

void Box(double size) {
    const double s = size / 2;
    glBegin(GL_QUADS);
    const double faces[6][3] = {{0, 0, 1},  {0, 0, -1}, {1, 0, 0},
                                {-1, 0, 0}, {0, 1, 0},  {0, -1, 0}};
    for (int f = 0; f < 6; ++f) {
        const double* n = faces[f];
        // Two directions across the face, turning anticlockwise seen from outside.
        const double u[3] = {n[1], n[2], n[0]};
        const double v[3] = {n[1] * u[2] - n[2] * u[1], n[2] * u[0] - n[0] * u[2],
                             n[0] * u[1] - n[1] * u[0]};
        glNormal3d(n[0], n[1], n[2]);
        glColor3d(0.3 + 0.1 * f, 0.9 - 0.12 * f, 0.5);
        const int corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
        for (const auto& c : corners)
            glVertex3d(s * (n[0] + c[0] * u[0] + c[1] * v[0]),
                       s * (n[1] + c[0] * u[1] + c[1] * v[1]),
                       s * (n[2] + c[0] * u[2] + c[1] * v[2]));
    }
    glEnd();
}

void Culling() {
    Perspective();
    glEnable(GL_DEPTH_TEST);
    // The same box with back faces culled, front faces culled, and fronts turned clockwise.
    glEnable(GL_CULL_FACE);
    const struct {
        GLenum cull, front;
        double x;
    } boxes[] = {{GL_BACK, GL_CCW, -2.2}, {GL_FRONT, GL_CCW, 0}, {GL_BACK, GL_CW, 2.2}};
    for (const auto& b : boxes) {
        glCullFace(b.cull);
        glFrontFace(b.front);
        glPushMatrix();
        glTranslated(b.x, 0, -4.5);
        glRotatef(35, 1, 0, 0);
        glRotatef(-40, 0, 1, 0);
        Box(1.6);
        glPopMatrix();
    }
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
}

void Wire() {
    Perspective();
    glEnable(GL_DEPTH_TEST);
    // The wire moon: one loop per triangle of a bumpy mesh, then the lander's lines and legs.
    glPushMatrix();
    glTranslated(0, -0.5, -5);
    glRotated(-60, 1, 0, 0);
    glColor3d(0.8, 0.8, 0.8);
    const int n = 12;
    auto height = [](int i, int j) { return 0.15 * std::sin(i * 1.3) * std::cos(j * 0.9); };
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const double x0 = -2 + 4.0 * i / n, x1 = -2 + 4.0 * (i + 1) / n;
            const double y0 = -2 + 4.0 * j / n, y1 = -2 + 4.0 * (j + 1) / n;
            glBegin(GL_LINE_LOOP);
            glVertex3d(x0, y0, height(i, j));
            glVertex3d(x1, y0, height(i + 1, j));
            glVertex3d(x1, y1, height(i + 1, j + 1));
            glEnd();
            glBegin(GL_LINE_LOOP);
            glVertex3d(x0, y0, height(i, j));
            glVertex3d(x1, y1, height(i + 1, j + 1));
            glVertex3d(x0, y1, height(i, j + 1));
            glEnd();
        }
    glPopMatrix();
    glColor3f(1, 1, 0);
    glBegin(GL_LINES);
    glVertex3d(-0.3, 0.2, -3);
    glVertex3d(0.35, 0.9, -3.5);
    glEnd();
    glColor3f(0, 1, 1);
    glBegin(GL_LINE_STRIP);
    glVertex3d(-0.9, 0.9, -3);
    glVertex3d(-0.7, 0.4, -3);
    glVertex3d(-0.4, 0.45, -3.2);
    glVertex3d(-0.45, 0.8, -3.1);
    glEnd();
}

void Points() {
    Flat();
    // The plume's sizes, from a tenth to a little over two, each in its own block, at
    // positions between pixel centres; then with its additive blending.
    const float sizes[] = {0.1f, 0.5f, 1, 1.4f, 1.5f, 1.51f, 2, 2.1f, 3, 4, 5.5f};
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        }
        for (int i = 0; i < 11; ++i)
            for (int j = 0; j < 5; ++j) {
                glPointSize(sizes[i]);
                glBegin(GL_POINTS);
                glColor4f(1, 0.3f + 0.1f * j, 0.2f, pass == 0 ? 1 : 0.5f + 0.4f * j);
                glVertex2f(0.05f + 0.087f * i + 0.0031f * j, 0.05f + 0.09f * j + pass * 0.46f);
                glEnd();
            }
    }
    glPointSize(1);
}

void Quadrics() {
    StartLit();
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    const float white[4] = {1, 1, 1, 1}, dim[4] = {0.1f, 0.1f, 0.1f, 1};
    Light(GL_LIGHT0, 0.5f, 1, 1, 0, white, dim);
    // The sky: a textured sphere seen from inside, poles on y, unlit.
    glPushMatrix();
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glColor3d(1, 1, 1);
    glRotatef(-90, 1, 0, 0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, checker);
    gluSphere(textured, 10000, 25, 25);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glEnable(GL_CULL_FACE);
    glPopMatrix();
    // The landing disk laid down, and the two bodies (the red one asks for more than GLU gives).
    gluLookAt(0, 3, 6, 0, 0, -4, 0, 1, 0);
    glPushMatrix();
    glTranslated(0, -1, -4);
    glRotated(270, 1, 0, 0);
    glColor3d(0.9, 0.9, 0.9);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, gradient);
    gluDisk(textured, 0, 2.5, 70, 70);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
    glColor3f(0, 0, 1);
    glPushMatrix();
    glTranslated(-1.5, 0, -4);
    gluSphere(smooth, 0.9, 100, 100);
    glPopMatrix();
    glColor3f(1, 0, 0);
    glPushMatrix();
    glTranslated(1.5, 0.2, -4.5);
    gluSphere(smooth, 1.1, 400, 400);
    glPopMatrix();
}

} // namespace

void PrepareScenes() {
    // 37 x 23: GLU scales it to 32 x 16 before the levels.
    unsigned char picture[23][37][4];
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x) {
            const bool dark = ((x / 4) + (y / 4)) % 2 != 0;
            picture[y][x][0] = static_cast<unsigned char>(dark ? 40 : 230);
            picture[y][x][1] = static_cast<unsigned char>(dark ? 60 + x * 3 : 200);
            picture[y][x][2] = static_cast<unsigned char>(dark ? 90 : 120 + y * 5);
            picture[y][x][3] = 255;
        }
    glGenTextures(1, &checker);
    glBindTexture(GL_TEXTURE_2D, checker);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 4, 37, 23, GL_RGBA, GL_UNSIGNED_BYTE, picture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    unsigned char bgr[16][16][3];
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            bgr[y][x][0] = static_cast<unsigned char>(x * 16);
            bgr[y][x][1] = static_cast<unsigned char>(y * 16);
            bgr[y][x][2] = static_cast<unsigned char>(255 - x * 8 - y * 7);
        }
    glGenTextures(1, &gradient);
    glBindTexture(GL_TEXTURE_2D, gradient);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, 16, 16, GL_BGR_EXT, GL_UNSIGNED_BYTE, bgr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    if (!smooth) {
        smooth = gluNewQuadric();
        gluQuadricNormals(smooth, GLU_SMOOTH);
        textured = gluNewQuadric();
        gluQuadricNormals(textured, GLU_SMOOTH);
        gluQuadricTexture(textured, GL_TRUE);
    }
}

const std::vector<Scene>& Scenes() {
    static const std::vector<Scene> scenes = {
        {"light-directional", DirectionalLight},
        {"light-positional", PositionalLight},
        {"light-spot", SpotLight},
        {"colour-material", ColourMaterial},
        {"textures-mipmaps", Textures},
        {"blending", Blending},
        {"culling", Culling},
        {"wire", Wire},
        {"points", Points},
        {"quadrics", Quadrics},
    };
    return scenes;
}
