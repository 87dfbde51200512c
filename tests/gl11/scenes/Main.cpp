// gl11_scenes FOLDER: draws every scene, each in a fresh hidden window and context so that it
// starts from OpenGL's initial state, and saves what it drew as FOLDER/NAME.ppm. Built against
// the system's OpenGL, or in the build that draws through the layer, on an OpenGL ES 3.0
// context with a layer context. Exit status 0 when every scene was saved, 1 when one could not
// be, 2 for bad usage, 77 when no context of the kind can be made (with the reason).
#include "tests/gl11/scenes/SceneGl.h"
#include "tests/gl11/scenes/Scenes.h"
#include "tests/harness/Picture.h"

#ifdef MOONHOP_GL11
#include "tests/gl11/core/EsWindow.h"
#endif

#include <SDL.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

const int kSize = 160;

#ifdef MOONHOP_GL11
using SceneWindow = EsWindow;
#else
// A hidden window with a context of the system's OpenGL, current.
class SceneWindow {
  public:
    SceneWindow(int width, int height) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            why = std::string("no display: ") + SDL_GetError();
            return;
        }
        SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        window = SDL_CreateWindow("gl11 scene", 0, 0, width, height,
                                  SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        if (window)
            context = SDL_GL_CreateContext(window);
        if (!context)
            why = std::string("no OpenGL context: ") + SDL_GetError();
    }
    ~SceneWindow() {
        if (context)
            SDL_GL_DeleteContext(context);
        if (window)
            SDL_DestroyWindow(window);
    }
    SceneWindow(const SceneWindow&) = delete;
    SceneWindow& operator=(const SceneWindow&) = delete;
    bool Ok() const { return context != nullptr; }
    const std::string& Why() const { return why; }

  private:
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    std::string why;
};
#endif

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gl11_scenes FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    int status = 0;
    for (const Scene& scene : Scenes()) {
        const auto window = std::make_unique<SceneWindow>(kSize, kSize);
        if (!window->Ok()) {
            std::printf("%s\n", window->Why().c_str());
            return 77;
        }
        PrepareScenes();
        glViewport(0, 0, kSize, kSize);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        scene.draw();
        std::vector<unsigned char> rgba(static_cast<size_t>(kSize) * kSize * 4);
        glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        const GLenum error = glGetError();
        const std::string path = folder + "/" + scene.name + ".ppm";
        if (error != GL_NO_ERROR) {
            std::fprintf(stderr, "%s: OpenGL error %#x\n", scene.name, error);
            status = 1;
        }
        if (!WritePpm(path, PictureFromGl(kSize, kSize, rgba, kSize * 4))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            status = 1;
        }
    }
    return status;
}
