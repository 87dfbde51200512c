// The three pictures the game reads, painted deterministically.
#pragma once

#include "tools/Canvas.h"

// One row of 256 colours by height: dark lowland grey-brown, the moon's surface colour, pale
// highland grey.
Canvas PaintMoonRamp();

// A star field for an equirectangular sphere (twice as wide as high): black, stars of varied
// brightness, size and tint, and a faint band across the sky.
Canvas PaintStarSphere(int width, int height);

// A landing pad on a square the disk is inscribed in: rings, a centre mark and markings.
Canvas PaintLandingDisk(int size);
