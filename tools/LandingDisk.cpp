#include "tools/Noise.h"
#include "tools/Pictures.h"
#include "tools/Supersample.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

const Colour kConcrete = {0.50, 0.50, 0.48};
const Colour kRim = {0.16, 0.16, 0.17};
const Colour kWhite = {0.96, 0.96, 0.94};
const Colour kYellow = {0.97, 0.76, 0.10};
const Colour kBlack = {0.07, 0.07, 0.07};
const Colour kRed = {0.86, 0.16, 0.10};

// Angle in degrees from the pad's +y axis, clockwise, 0..360.
double Bearing(double x, double y) {
    const double a = std::atan2(x, y) * 180 / kPi;
    return a < 0 ? a + 360 : a;
}

// Angular distance in degrees to the nearest multiple of `step`.
double OffStep(double bearing, double step) {
    const double d = std::fmod(bearing, step);
    return std::min(d, step - d);
}

// The marking at one point of the pad (x, y in -1..1, the disk has radius 1), or null where
// the bare surface shows.
const Colour* Mark(double x, double y) {
    const double r = std::sqrt(x * x + y * y);
    const double bearing = Bearing(x, y);
    if (r > 0.965)
        return &kRim;
    if (r > 0.895) {
        // Hazard stripes, slanted.
        const double s = bearing / 10 + (r - 0.895) / 0.07 * 0.6;
        return static_cast<int>(std::floor(s)) % 2 == 0 ? &kYellow : &kBlack;
    }
    if (r > 0.87)
        return &kWhite;
    // Ticks every 10 degrees, longer every 30.
    const double arc = OffStep(bearing, 10) * kPi / 180 * r;
    const bool major = OffStep(bearing, 30) < 5;
    if (r > (major ? 0.74 : 0.80) && r < 0.85 && arc < (major ? 0.014 : 0.008))
        return &kWhite;
    // Four chevrons pointing at the centre.
    const double ax = std::abs(x), ay = std::abs(y);
    const double along = std::max(ax, ay), side = std::min(ax, ay);
    if (along > 0.52 && along < 0.70) {
        const double tip = 0.52 + side * 1.1;
        if (along > tip && along < tip + 0.07 && side < 0.14)
            return &kWhite;
    }
    if (r > 0.415 && r < 0.455)
        return &kWhite;
    // The centre mark: a cross hair around a red target.
    if (r > 0.14 && r < 0.36 && side < 0.018)
        return &kWhite;
    if (r < 0.125)
        return r > 0.095 || r < 0.03 ? &kWhite : &kRed;
    return nullptr;
}

Colour Surface(double x, double y) {
    const double r = std::sqrt(x * x + y * y);
    // Worn slabs: mottled, with dark seams between rings of panels.
    const double mottle = FractalNoise((x + 1) * 12, (y + 1) * 12, 1 << 20, 5, 7) - 0.5;
    Colour c = {kConcrete.r + mottle * 0.12, kConcrete.g + mottle * 0.12,
                kConcrete.b + mottle * 0.11};
    const double seamRing = std::min(std::abs(r - 0.64), std::abs(r - 0.30));
    const double seamSpoke = OffStep(Bearing(x, y) + 22.5, 45) * kPi / 180 * r;
    if ((seamRing < 0.004 || (seamSpoke < 0.003 && r > 0.455)) && r < 0.87)
        c = Mix(c, kBlack, 0.45);
    // Engine scorch around the middle.
    const double scorch = std::exp(-(r * r) / (2 * 0.3 * 0.3)) *
                          (0.55 + 0.45 * FractalNoise((x + 1) * 5, (y + 1) * 5, 1 << 20, 4, 11));
    return Mix(c, {0.12, 0.11, 0.10}, 0.55 * scorch);
}

} // namespace

Canvas PaintLandingDisk(int size) {
    return PaintSquare(size, 4,
                       [](double x, double y, Colour& c) {
                           const Colour base = Surface(x, y);
                           const Colour* paint = Mark(x, y);
                           // Paint shows a little of the worn surface under it.
                           c = paint ? Mix(*paint, base, 0.12) : base;
                           return true;
                       })
        .colour;
}
