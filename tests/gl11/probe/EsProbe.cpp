// Says whether the layer can draw here, for the scripts that compare the game drawn through it
// with the system's OpenGL: the renderer and status 0, or why not and status 77.
#include "tests/gl11/core/EsWindow.h"

#include <cstdio>

int main() {
    EsWindow window(16, 16);
    if (!window.Ok()) {
        std::printf("%s\n", window.Why().c_str());
        return 77;
    }
    std::printf("%s\n", reinterpret_cast<const char*>(gl11::glGetString(GL_RENDERER)));
    return 0;
}
