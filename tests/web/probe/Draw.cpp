#include "tests/web/probe/Draw.h"

#include <GLES3/gl3.h>

namespace {
const char* kVertex = R"(#version 300 es
void main() {
    vec2 corner = vec2(float((gl_VertexID & 1) * 4 - 1), float((gl_VertexID & 2) * 2 - 1));
    gl_Position = vec4(corner, 0.0, 1.0);
})";
const char* kShaded = R"(#version 300 es
precision highp float;
uniform vec2 size;
out vec4 colour;
void main() { colour = vec4(gl_FragCoord.xy / size, 0.25, 1.0); })";

GLuint programs[4];

GLuint Compile(GLenum type, const char* source) {
    GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    return shader;
}
} // namespace

void DrawShaded(int slot, int width, int height) {
    GLuint& program = programs[slot & 3];
    if (!program) {
        program = glCreateProgram();
        glAttachShader(program, Compile(GL_VERTEX_SHADER, kVertex));
        glAttachShader(program, Compile(GL_FRAGMENT_SHADER, kShaded));
        glLinkProgram(program);
    }
    glViewport(0, 0, width, height);
    glUseProgram(program);
    glUniform2f(glGetUniformLocation(program, "size"), float(width), float(height));
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 3);
}

void DrawFlat(int width, int height) {
    glViewport(0, 0, width, height);
    glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
