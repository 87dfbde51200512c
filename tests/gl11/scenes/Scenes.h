// Small scenes, one for each group of OpenGL 1.1 and GLU features the program uses, drawn
// the same way through the system's OpenGL and through the layer so the two can be compared.
#pragma once

#include <vector>

struct Scene {
    const char* name;
    void (*draw)();
};

// Every scene; each sets all the state it needs from OpenGL's initial state and draws into a
// cleared square viewport.
const std::vector<Scene>& Scenes();
// Makes the textures the scenes share in the current context (and the quadrics, once).
void PrepareScenes();
