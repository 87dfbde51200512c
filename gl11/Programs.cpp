#include "gl11/Programs.h"

#include <cmath>
#include <cstdio>

namespace gl11 {

namespace {
GLuint Compile(Context& c, GLenum type, const std::string& source) {
    const GLuint shader = c.es.CreateShader(type);
    const GLchar* text = source.c_str();
    c.es.ShaderSource(shader, 1, &text, nullptr);
    c.es.CompileShader(shader);
    GLint ok = 0;
    c.es.GetShaderiv(shader, es::COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024] = {};
        c.es.GetShaderInfoLog(shader, sizeof log, nullptr, log);
        std::fprintf(stderr, "gl11: a generated shader does not compile: %s\n%s", log,
                     source.c_str());
        c.es.DeleteShader(shader);
        return 0;
    }
    return shader;
}

GLuint Link(Context& c, const ShaderKey& key) {
    const GLuint vertex = Compile(c, es::VERTEX_SHADER, VertexSource(key));
    const GLuint fragment = vertex ? Compile(c, es::FRAGMENT_SHADER, FragmentSource(key)) : 0;
    if (!fragment) {
        if (vertex)
            c.es.DeleteShader(vertex);
        return 0;
    }
    const GLuint program = c.es.CreateProgram();
    c.es.AttachShader(program, vertex);
    c.es.AttachShader(program, fragment);
    c.es.BindAttribLocation(program, PositionAttribute, "aPosition");
    c.es.BindAttribLocation(program, NormalAttribute, "aNormal");
    c.es.BindAttribLocation(program, ColourAttribute, "aColour");
    c.es.BindAttribLocation(program, TexCoordAttribute, "aTexCoord");
    c.es.BindAttribLocation(program, PointSizeAttribute, "aPointSize");
    c.es.LinkProgram(program);
    // Flagged only: they go with the program.
    c.es.DeleteShader(vertex);
    c.es.DeleteShader(fragment);
    GLint ok = 0;
    c.es.GetProgramiv(program, es::LINK_STATUS, &ok);
    if (!ok) {
        char log[1024] = {};
        c.es.GetProgramInfoLog(program, sizeof log, nullptr, log);
        std::fprintf(stderr, "gl11: a generated program does not link: %s\n", log);
        return 0;
    }
    return program;
}

void Locate(Context& c, Program& p) {
    auto at = [&](const char* name) { return c.es.GetUniformLocation(p.es, name); };
    p.mvp = at("uMvp");
    p.modelView = at("uModelView");
    p.normalMatrix = at("uNormalMatrix");
    p.textureMatrix = at("uTextureMatrix");
    p.viewport = at("uViewport");
    p.lightAmbient = at("uLightAmbient");
    p.lightDiffuse = at("uLightDiffuse");
    p.lightSpecular = at("uLightSpecular");
    p.lightPosition = at("uLightPosition");
    p.lightDirection = at("uLightDirection");
    p.halfVector = at("uHalfVector");
    p.spotDirection = at("uSpotDirection");
    p.spotExponent = at("uSpotExponent");
    p.spotCosCutoff = at("uSpotCosCutoff");
    p.attenuation = at("uAttenuation");
    p.sceneAmbient = at("uSceneAmbient");
    p.frontMaterial = at("uFrontMaterial");
    p.backMaterial = at("uBackMaterial");
    p.frontShininess = at("uFrontShininess");
    p.backShininess = at("uBackShininess");
    p.sampler = at("uSampler");
}

void MaterialUniforms(Context& c, GLint location, GLint shininessLocation, const Material& m) {
    if (location < 0)
        return;
    float values[16];
    const float* parts[4] = {m.ambient, m.diffuse, m.specular, m.emission};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            values[i * 4 + j] = parts[i][j];
    c.es.Uniform4fv(location, 4, values);
    c.es.Uniform1fv(shininessLocation, 1, &m.shininess);
}

// v scaled to length 1, in double, rounded once.
void Unit(const float* v, float* out) {
    const double x = v[0], y = v[1], z = v[2];
    const double length = std::sqrt(x * x + y * y + z * z);
    for (int i = 0; i < 3; ++i)
        out[i] = length == 0 ? 0.0f : static_cast<float>(v[i] / length);
}

void LightUniforms(Context& c, const Program& p) {
    float ambient[32], diffuse[32], specular[32], position[32];
    float toLight[24], half[24], direction[24], exponent[8], cosCutoff[8], attenuation[24];
    for (int i = 0; i < kMaxLights; ++i) {
        const Light& l = c.lights[i];
        for (int j = 0; j < 4; ++j) {
            ambient[i * 4 + j] = l.ambient[j];
            diffuse[i * 4 + j] = l.diffuse[j];
            specular[i * 4 + j] = l.specular[j];
            // A positional light's point in ordinary coordinates.
            const float w = l.position[3];
            position[i * 4 + j] = w == 0 || w == 1 || j == 3 ? l.position[j] : l.position[j] / w;
        }
        // What does not change from vertex to vertex: the unit vector towards a directional
        // light, its half vector with the viewer far along z, the unit spot direction.
        Unit(l.position, toLight + i * 3);
        const float sum[3] = {toLight[i * 3], toLight[i * 3 + 1], toLight[i * 3 + 2] + 1};
        Unit(sum, half + i * 3);
        Unit(l.spotDirection, direction + i * 3);
        for (int j = 0; j < 3; ++j)
            attenuation[i * 3 + j] = l.attenuation[j];
        exponent[i] = l.spotExponent;
        cosCutoff[i] =
            static_cast<float>(std::cos(l.spotCutoff * (3.14159265358979323846 / 180.0)));
    }
    c.es.Uniform4fv(p.lightAmbient, 8, ambient);
    c.es.Uniform4fv(p.lightDiffuse, 8, diffuse);
    c.es.Uniform4fv(p.lightSpecular, 8, specular);
    c.es.Uniform4fv(p.lightPosition, 8, position);
    c.es.Uniform3fv(p.lightDirection, 8, toLight);
    c.es.Uniform3fv(p.halfVector, 8, half);
    c.es.Uniform3fv(p.spotDirection, 8, direction);
    c.es.Uniform1fv(p.spotExponent, 8, exponent);
    c.es.Uniform1fv(p.spotCosCutoff, 8, cosCutoff);
    c.es.Uniform3fv(p.attenuation, 8, attenuation);
}
} // namespace

Program& ProgramFor(Context& c, const ShaderKey& key) {
    const std::uint64_t packed = key.Packed();
    auto found = c.programs.find(packed);
    if (found != c.programs.end())
        return found->second;
    Program& p = c.programs[packed];
    ++c.compiledPrograms;
    p.es = Link(c, key);
    if (p.es)
        Locate(c, p);
    return p;
}

void UploadUniforms(Context& c, Program& p) {
    const Mat4 mvp = c.projection.back() * c.modelview.back();
    c.es.UniformMatrix4fv(p.mvp, 1, GL_FALSE, mvp.m);
    if (p.modelView >= 0)
        c.es.UniformMatrix4fv(p.modelView, 1, GL_FALSE, c.modelview.back().m);
    if (p.normalMatrix >= 0) {
        float normal[9];
        NormalMatrix(c.modelview.back(), normal);
        c.es.UniformMatrix3fv(p.normalMatrix, 1, GL_FALSE, normal);
    }
    if (p.textureMatrix >= 0)
        c.es.UniformMatrix4fv(p.textureMatrix, 1, GL_FALSE, c.texture.back().m);
    if (p.viewport >= 0) {
        const float viewport[4] = {
            static_cast<float>(c.viewport[0]), static_cast<float>(c.viewport[1]),
            static_cast<float>(c.viewport[2]), static_cast<float>(c.viewport[3])};
        c.es.Uniform4fv(p.viewport, 1, viewport);
    }
    if (p.lightAmbient >= 0)
        LightUniforms(c, p);
    if (p.sceneAmbient >= 0)
        c.es.Uniform4fv(p.sceneAmbient, 1, c.sceneAmbient);
    MaterialUniforms(c, p.frontMaterial, p.frontShininess, c.front);
    MaterialUniforms(c, p.backMaterial, p.backShininess, c.back);
    if (p.sampler >= 0)
        c.es.Uniform1i(p.sampler, 0);
}

} // namespace gl11
