#include "tools/Pictures.h"

namespace {

struct Stop {
    double at;
    Colour colour;
};

// From the dark floors of the maria up to bright highland crests.
const Stop kStops[] = {
    {0.00, {0.20, 0.18, 0.16}}, {0.30, {0.37, 0.34, 0.30}}, {0.55, {0.56, 0.53, 0.49}},
    {0.80, {0.74, 0.72, 0.68}}, {1.00, {0.89, 0.88, 0.86}},
};

double Smooth(double t) {
    return t * t * (3 - 2 * t);
}

} // namespace

Canvas PaintMoonRamp() {
    Canvas ramp(256, 1);
    for (int i = 0; i < ramp.width; ++i) {
        const double at = i / 255.0;
        size_t k = 1;
        while (k + 1 < sizeof kStops / sizeof kStops[0] && kStops[k].at < at)
            ++k;
        const Stop& low = kStops[k - 1];
        const Stop& high = kStops[k];
        // Halfway between smooth steps and straight lines: no flat shelves, no visible kinks.
        const double t = (at - low.at) / (high.at - low.at);
        ramp.At(i, 0) = Mix(low.colour, high.colour, 0.5 * t + 0.5 * Smooth(t));
    }
    return ramp;
}
