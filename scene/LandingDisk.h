// A flat disk wearing "LandingDisk.bmp", lying on the moon where the lander should land. One
// disk is shared by both windows; each window loads its texture into its own context. Without
// its picture it draws lit grey.
#pragma once

#include "scene/TexturedBody.h"

class LandingDisk : public TexturedBody {
  public:
    LandingDisk() : TexturedBody("LandingDisk.bmp") {}

    // Draws the disk in the x-z plane facing +y, at the origin of the current matrix.
    void Draw() const;
};
