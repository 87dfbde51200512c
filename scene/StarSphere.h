// The star background: a huge sphere seen from inside, wearing "StarSphere.bmp". Its texture
// belongs to one rendering context, so every window keeps its own star sphere; without its
// picture it draws white.
#pragma once

#include "scene/TexturedBody.h"

class StarSphere : public TexturedBody {
  public:
    StarSphere() : TexturedBody("StarSphere.bmp") {}

    // Leaves lighting and face culling on and texturing off, whatever they were before.
    void Draw() const;
};
