#include "tests/gl11/core/EsWindow.h"

namespace {
using DrawArraysCall = void (*)(GLenum, GLint, GLsizei);
using DrawElementsCall = void (*)(GLenum, GLsizei, GLenum, const void*);
using CompileShaderCall = void (*)(GLuint);
DrawArraysCall realDrawArrays = nullptr;
DrawElementsCall realDrawElements = nullptr;
CompileShaderCall realCompileShader = nullptr;

void CountedDrawArrays(GLenum mode, GLint first, GLsizei count) {
    ++Counts().draws;
    realDrawArrays(mode, first, count);
}

void CountedDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
    ++Counts().draws;
    realDrawElements(mode, count, type, indices);
}

void CountedCompileShader(GLuint shader) {
    ++Counts().compiles;
    realCompileShader(shader);
}
} // namespace

EsCounts& Counts() {
    static EsCounts counts;
    return counts;
}

void* CountingLoader(const char* name) {
    void* real = SDL_GL_GetProcAddress(name);
    if (!real)
        return nullptr;
    if (std::string(name) == "glDrawArrays") {
        realDrawArrays = reinterpret_cast<DrawArraysCall>(real);
        return reinterpret_cast<void*>(&CountedDrawArrays);
    }
    if (std::string(name) == "glDrawElements") {
        realDrawElements = reinterpret_cast<DrawElementsCall>(real);
        return reinterpret_cast<void*>(&CountedDrawElements);
    }
    if (std::string(name) == "glCompileShader") {
        realCompileShader = reinterpret_cast<CompileShaderCall>(real);
        return reinterpret_cast<void*>(&CountedCompileShader);
    }
    return real;
}

EsWindow::EsWindow(int width, int height) : width(width), height(height) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        why = std::string("no display for an OpenGL ES context: ") + SDL_GetError();
        return;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    window =
        SDL_CreateWindow("gl11 test", 0, 0, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window)
        context = SDL_GL_CreateContext(window);
    if (!context) {
        why = std::string("no OpenGL ES 3.0 context: ") + SDL_GetError();
        return;
    }
    layer = gl11::CreateContext(&CountingLoader);
    if (!layer) {
        why = "the layer found OpenGL ES entry points missing";
        return;
    }
    MakeCurrent();
    gl11::glViewport(0, 0, width, height);
}

EsWindow::~EsWindow() {
    if (layer) {
        SDL_GL_MakeCurrent(window, context);
        gl11::DeleteContext(layer);
    }
    if (context)
        SDL_GL_DeleteContext(context);
    if (window)
        SDL_DestroyWindow(window);
    // SDL stays initialised: unloading the OpenGL ES library would hide where the driver's
    // own allocations, kept until exit, come from.
}

void EsWindow::MakeCurrent() {
    gl11::MakeCurrent(layer);
    SDL_GL_MakeCurrent(window, context);
}

std::vector<std::uint8_t> EsWindow::Read() {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
    gl11::glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}
