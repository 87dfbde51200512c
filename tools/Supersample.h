// Painting a square picture from a function of the point, with smooth edges.
#pragma once

#include "tools/Canvas.h"

#include <cstddef>
#include <vector>

// Colours of a canvas with their coverage, 0 (transparent) to 1 (opaque), one per pixel.
struct CoveredCanvas {
    CoveredCanvas(int width, int height) : colour(width, height), alpha(colour.pixels.size()) {}

    Canvas colour;
    std::vector<double> alpha;
};

// A square picture `size` pixels wide. Each pixel averages `samples` x `samples` points of
// `shade (x, y, colour)`, with x to the right and y up, both -1..1 across the picture; a point
// where shade returns false is transparent.
template <typename Shade> CoveredCanvas PaintSquare(int size, int samples, Shade shade) {
    CoveredCanvas picture(size, size);
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            Colour sum;
            int covered = 0;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const double x = (px + (sx + 0.5) / samples) / size * 2 - 1;
                    const double y = 1 - (py + (sy + 0.5) / samples) / size * 2;
                    Colour c;
                    if (!shade(x, y, c))
                        continue;
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                    ++covered;
                }
            if (covered > 0)
                picture.colour.At(px, py) = {sum.r / covered, sum.g / covered, sum.b / covered};
            picture.alpha[static_cast<std::size_t>(py) * size + px] =
                static_cast<double>(covered) / (samples * samples);
        }
    return picture;
}
