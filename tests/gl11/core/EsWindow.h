// A hidden window with an OpenGL ES 3.0 context and a layer context, both current, for tests of
// the layer; and a loader that counts the OpenGL ES draws and shader compilations it hands on.
#pragma once

#include "gl11/Gl.h"

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

class EsWindow {
  public:
    explicit EsWindow(int width = 64, int height = 64);
    ~EsWindow();
    EsWindow(const EsWindow&) = delete;
    EsWindow& operator=(const EsWindow&) = delete;

    // False, with the reason in Why(), where no OpenGL ES 3.0 context can be made.
    bool Ok() const { return layer != nullptr; }
    const std::string& Why() const { return why; }
    gl11::Context* Layer() const { return layer; }
    // Makes this window's contexts current, the layer's first, as a backend must.
    void MakeCurrent();
    // The whole window, bottom row first, four bytes a pixel.
    std::vector<std::uint8_t> Read();
    int Width() const { return width; }
    int Height() const { return height; }

  private:
    int width, height;
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    gl11::Context* layer = nullptr;
    std::string why;
};

struct EsCounts {
    long draws = 0;
    long compiles = 0;
};
// What the counting loader's wrappers have seen so far.
EsCounts& Counts();
void* CountingLoader(const char* name);

// Skips the test, saying why, when the window has no contexts.
#define REQUIRE_ES(window)                                                                         \
    if (!(window).Ok())                                                                            \
    GTEST_SKIP() << (window).Why()
