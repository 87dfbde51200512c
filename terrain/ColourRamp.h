// Colours of the moon by distance from its centre, taken from the bottom row of a picture:
// the lowest height seen maps to the first colour, the highest to the last.
#pragma once

#include "framework/Image.h"
#include "scene/Rgba.h"
#include "scene/World.h"
#include "terrain/HeightTable.h"

#include <vector>

class ColourRamp : public HeightTable {
  public:
    // Reads "1DTexture_Moon.bmp" from the working directory.
    ColourRamp();
    explicit ColourRamp(const char* fileName);

    // Grows the range to include h; it never narrows.
    void Widen(double h) override;
    // The colour for distance h. Without colours (no picture) the answer is opaque white; with
    // an empty range, or a height outside the range, it is the first colour.
    Rgba Lookup(double h) const override;

    int count = 0;
    // The range starts as the moon's nominal radius, whatever radius the mesh is grown at.
    double minHeight = kMoonRadius;
    double maxHeight = kMoonRadius;
    std::vector<Rgba> colours;
    Image image;
};
