// How far two pictures of one scene are apart: the share of pixels whose colours agree within a
// tolerance, and the largest patch of touching pixels that do not. A faint difference spread
// thinly passes; a missing line or leg shows as a patch.
#pragma once

#include "tests/harness/Picture.h"

struct PictureDifference {
    bool sameSize = false;
    double agreeing = 0; // share of pixels within the tolerance in every channel, 0 to 1
    int largestPatch = 0; // pixels in the largest 8-connected group beyond the tolerance
    int worst = 0;        // largest difference of one channel
};

// Compares two pictures; with `map`, also draws where they differ (grey levels growing with the
// difference, red beyond the tolerance).
PictureDifference ComparePictures(const Picture& a, const Picture& b, int tolerance,
                                  Picture* map = nullptr);
