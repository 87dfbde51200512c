// How close two pictures of one scene are, when two renderers drew them: the share of pixels
// whose every channel is within a tolerance, and a picture of where they differ.
#pragma once

#include "tests/harness/Picture.h"

struct Closeness {
    bool sameSize = false;
    double shareWithin = 0; // of the pixels, 0 to 1
    int largest = 0;        // the largest difference of any channel, 0 to 255
};

// Compares a and b channel by channel. With difference, also draws where they differ: a's
// picture dimmed to grey, with the pixels beyond the tolerance in magenta.
Closeness Compare(const Picture& a, const Picture& b, int tolerance, Picture* difference);
