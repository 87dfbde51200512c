// A flat textured disk lying on the moon where the lander should land. One disk is shared by
// both windows; each window loads its texture into its own context.
#pragma once

#include "framework/Image.h"

#include "platform/Win32.h"

class LandingDisk {
  public:
    LandingDisk() = default;
    ~LandingDisk();
    LandingDisk(const LandingDisk&) = delete;
    LandingDisk& operator=(const LandingDisk&) = delete;

    void Create(float radius, int slices, int stacks, bool textured);
    // Loads "LandingDisk.bmp" into a new mipmapped texture of the current context and leaves it
    // bound. An unreadable picture leaves the texture empty, and the disk then draws lit grey.
    void LoadTexture();
    // Draws the disk in the x-z plane facing +y, at the origin of the current matrix.
    void Draw() const;

    GLUquadric* quadric = nullptr;
    float radius = 0.0f;
    int slices = 0;
    int stacks = 0; // the disk's concentric rings
    Image image;
    GLuint texture = 0;
};
