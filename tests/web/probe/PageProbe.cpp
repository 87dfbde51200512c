// A program for testing the page on its own: two frames, each with its own WebGL 2 context,
// drawn by a loop that never blocks and gives the browser its turn once both have drawn. It
// prints every event the page hands it, in the words the page test reads, and answers as the
// game's windows do: a pressed button holds the mouse until released, T in the second frame
// retitles and resizes it, closing the second frame hides it, closing the first ends the
// program with status 0.
#include "platform/web/Page.h"
#include "platform/web/PageInput.h"

#include <GLES3/gl3.h>
#include <cstdio>
#include <cstdlib>
#include <emscripten/html5.h>

using namespace win32web;

namespace {
struct Frame {
    int id;
    const char* title;
    int x, y, width, height;
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = 0;
    GLuint program = 0;
    bool visible = true;
};

Frame frames[] = {{1, "Probe One", 10, 10, 320, 200}, {2, "Probe Two", 400, 120, 240, 160}};
int captured = 0; // the frame holding the mouse

// The first frame is shaded across its canvas (tens of thousands of colours), the second is
// one flat colour: the test reads both back.
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

GLuint Compile(GLenum type, const char* source) {
    GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    return shader;
}

void MakeContext(Frame& f) {
    EmscriptenWebGLContextAttributes a;
    emscripten_webgl_init_context_attributes(&a);
    a.alpha = false;
    a.depth = true;
    a.antialias = false;
    a.majorVersion = 2;
    a.minorVersion = 0;
    f.context = emscripten_webgl_create_context(CanvasSelector(f.id).c_str(), &a);
    if (f.context <= 0) {
        std::printf("frame %d has no WebGL 2 context\n", f.id);
        return;
    }
    emscripten_webgl_make_context_current(f.context);
    f.program = glCreateProgram();
    glAttachShader(f.program, Compile(GL_VERTEX_SHADER, kVertex));
    glAttachShader(f.program, Compile(GL_FRAGMENT_SHADER, kShaded));
    glLinkProgram(f.program);
}

void Draw(Frame& f) {
    if (!f.visible || f.context <= 0)
        return;
    emscripten_webgl_make_context_current(f.context);
    glViewport(0, 0, f.width, f.height);
    glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (f.id == 1) {
        glUseProgram(f.program);
        glUniform2f(glGetUniformLocation(f.program, "size"), float(f.width), float(f.height));
        glDrawArrays(GL_TRIANGLE_STRIP, 0, 3);
    }
}

Frame* Find(int id) {
    for (Frame& f : frames)
        if (f.id == id)
            return &f;
    return nullptr;
}

const char* Modifiers(const PageEvent& e) {
    static char text[32];
    std::snprintf(text, sizeof text, "%s%s%s", e.shift ? " shift" : "", e.control ? " control" : "",
                  e.alt ? " alt" : "");
    return text;
}

// Returns false once the first frame was closed.
bool Handle(const PageEvent& e) {
    bool mouse = e.type == PageEvent::Type::ButtonDown || e.type == PageEvent::Type::ButtonUp ||
                 e.type == PageEvent::Type::MouseMove;
    MouseHit hit = mouse ? LocateMouse(e, captured) : MouseHit{e.frame};
    Frame* f = Find(hit.frame);
    if (!f)
        return true;
    switch (e.type) {
    case PageEvent::Type::KeyDown:
    case PageEvent::Type::KeyUp: {
        bool down = e.type == PageEvent::Type::KeyDown;
        std::printf("frame %d key %s 0x%02X%s%s\n", f->id, down ? "down" : "up", e.virtualKey,
                    e.repeat ? " repeat" : "", Modifiers(e));
        if (down && !e.repeat && f->id == 2 && e.virtualKey == 'T') {
            f->title = "Probe Two Retitled";
            f->width = f->height = 200;
            SetFrameTitle(f->id, f->title);
            PlaceFrame(f->id, f->x, f->y, f->width, f->height);
        }
        break;
    }
    case PageEvent::Type::ButtonDown:
    case PageEvent::Type::ButtonUp: {
        bool down = e.type == PageEvent::Type::ButtonDown;
        std::printf("frame %d button %d %s at %d,%d holding%s%s%s\n", f->id, e.button,
                    down ? "down" : "up", hit.x, hit.y, e.left ? " left" : "",
                    e.middle ? " middle" : "", e.right ? " right" : "");
        captured = down ? f->id : 0;
        break;
    }
    case PageEvent::Type::MouseMove:
        std::printf("frame %d move %d,%d\n", f->id, hit.x, hit.y);
        break;
    case PageEvent::Type::Close:
        std::printf("frame %d close\n", f->id);
        if (f->id == 1)
            return false;
        f->visible = false;
        ShowFrame(f->id, false);
        if (captured == f->id)
            captured = 0;
        break;
    }
    return true;
}

// Runs while the runtime exits: the frames go, as windows do, and waiting for the next
// frame from here must return at once.
void AtExit() {
    for (Frame& f : frames)
        DestroyFrame(f.id);
    WaitForNextFrame();
    std::printf("exit handlers ran\n");
}
} // namespace

int main() {
    std::atexit(AtExit);
    for (Frame& f : frames) {
        CreateFrame(f.id, f.title, f.x, f.y, f.width, f.height);
        MakeContext(f);
        ShowFrame(f.id, true);
    }
    FocusFrame(1);
    for (int frame = 0;; ++frame) {
        auto& events = PendingPageEvents();
        while (!events.empty()) {
            PageEvent e = events.front();
            events.pop_front();
            if (!Handle(e))
                return 0;
        }
        for (Frame& f : frames)
            Draw(f);
        if (frame == 0)
            std::printf("probe drew its first frame\n");
        WaitForNextFrame();
    }
}
