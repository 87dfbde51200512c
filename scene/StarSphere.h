// The star background: a huge textured sphere seen from inside. Its texture belongs to one
// rendering context, so every window keeps its own star sphere.
#pragma once

#include "framework/Image.h"

#include "platform/Win32.h"

class StarSphere {
  public:
    StarSphere() = default;
    ~StarSphere();
    StarSphere(const StarSphere&) = delete;
    StarSphere& operator=(const StarSphere&) = delete;

    void Create(float radius, int slices, int stacks, bool textured);
    // Loads "StarSphere.bmp" into a new mipmapped texture of the current context and leaves it
    // bound. An unreadable picture leaves the texture empty, and the sphere then draws white.
    void LoadTexture();
    // Leaves lighting and face culling on and texturing off, whatever they were before.
    void Draw() const;

    GLUquadric* quadric = nullptr;
    float radius = 0.0f;
    int slices = 0;
    int stacks = 0;
    Image image;
    GLuint texture = 0;
};
