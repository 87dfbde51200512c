#include "tests/terrain/Feedback.h"

#include "platform/Win32.h"

namespace {
const int vertexFloats = 7; // x, y, z, r, g, b, a

FedVertex ReadVertex(const std::vector<GLfloat>& buffer, size_t& at) {
    FedVertex v;
    float* fields[vertexFloats] = {&v.x, &v.y, &v.z, &v.r, &v.g, &v.b, &v.a};
    for (float* f : fields)
        *f = at < buffer.size() ? buffer[at++] : 0.0f;
    return v;
}

void SetAxisLights(float sign) {
    const GLfloat black[4] = {0, 0, 0, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
    const GLfloat white[4] = {1, 1, 1, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
    glDisable(GL_COLOR_MATERIAL);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    for (int axis = 0; axis < 3; ++axis) {
        GLenum light = GL_LIGHT0 + axis;
        GLfloat direction[4] = {0, 0, 0, 0};
        direction[axis] = sign;
        GLfloat diffuse[4] = {0, 0, 0, 1};
        diffuse[axis] = 1;
        glLightfv(light, GL_POSITION, direction);
        glLightfv(light, GL_AMBIENT, black);
        glLightfv(light, GL_DIFFUSE, diffuse);
        glLightfv(light, GL_SPECULAR, black);
        glEnable(light);
    }
    glPopMatrix();
    glEnable(GL_LIGHTING);
}
} // namespace

std::vector<FedPrimitive> Feedback(const std::function<void()>& draw, bool* ok) {
    std::vector<GLfloat> buffer(1 << 22);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    GLint used = glRenderMode(GL_RENDER);
    if (ok != nullptr)
        *ok = used >= 0;
    std::vector<FedPrimitive> fed;
    if (used < 0)
        return fed;
    buffer.resize(static_cast<size_t>(used));
    size_t at = 0;
    while (at < buffer.size()) {
        GLint token = static_cast<GLint>(buffer[at++]);
        FedPrimitive p{FedPrimitive::Other, {}};
        int count = 0;
        switch (token) {
        case GL_POLYGON_TOKEN:
            p.kind = FedPrimitive::Polygon;
            count = at < buffer.size() ? static_cast<int>(buffer[at++]) : 0;
            break;
        case GL_LINE_TOKEN:
            p.kind = FedPrimitive::Line;
            count = 2;
            break;
        case GL_LINE_RESET_TOKEN:
            p.kind = FedPrimitive::LineReset;
            count = 2;
            break;
        case GL_POINT_TOKEN:
            p.kind = FedPrimitive::Point;
            count = 1;
            break;
        case GL_PASS_THROUGH_TOKEN:
            ++at;
            continue;
        default: // bitmap and pixel tokens carry one vertex
            count = 1;
            break;
        }
        for (int i = 0; i < count; ++i)
            p.vertices.push_back(ReadVertex(buffer, at));
        fed.push_back(p);
    }
    return fed;
}

std::vector<Vec3> FedNormals(const std::function<void()>& draw) {
    SetAxisLights(1.0f);
    std::vector<FedPrimitive> plus = Feedback(draw);
    SetAxisLights(-1.0f);
    std::vector<FedPrimitive> minus = Feedback(draw);
    glDisable(GL_LIGHTING);
    std::vector<Vec3> normals;
    for (size_t i = 0; i < plus.size() && i < minus.size(); ++i) {
        for (size_t j = 0; j < plus[i].vertices.size() && j < minus[i].vertices.size(); ++j) {
            const FedVertex& p = plus[i].vertices[j];
            const FedVertex& m = minus[i].vertices[j];
            normals.push_back(Vec3(p.r - m.r, p.g - m.g, p.b - m.b));
        }
    }
    return normals;
}

void LookAtCube(double size) {
    glViewport(0, 0, 64, 64);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-size, size, -size, size, -size, size);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

Vec3 WindowPosition(const Vec3& p, double size) {
    return Vec3((p.x / size + 1.0) * 32.0, (p.y / size + 1.0) * 32.0, (-p.z / size + 1.0) * 0.5);
}

int CountKind(const std::vector<FedPrimitive>& fed, FedPrimitive::Kind kind) {
    int n = 0;
    for (const FedPrimitive& p : fed)
        n += p.kind == kind;
    return n;
}
