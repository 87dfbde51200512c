#include "tools/Icon.h"

#include <algorithm>
#include <cmath>

namespace {

// Points on the icon: x to the right, y up, the badge's centre at the origin and its edge at 1.
struct Point {
    double x, y;
};

Point Minus(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}

double Length(Point p) {
    return std::sqrt(p.x * p.x + p.y * p.y);
}

Point Rotated(Point p, double degrees) {
    const double a = degrees * 3.14159265358979323846 / 180;
    return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a)};
}

// Signed distances: negative inside a shape, positive outside.
double Circle(Point p, Point centre, double radius) {
    return Length(Minus(p, centre)) - radius;
}

double Box(Point p, Point low, Point high) {
    const double dx = std::max(low.x - p.x, p.x - high.x);
    const double dy = std::max(low.y - p.y, p.y - high.y);
    return std::max(dx, dy);
}

double Stroke(Point p, Point a, Point b, double halfWidth) {
    const Point ab = Minus(b, a), ap = Minus(p, a);
    const double t =
        std::clamp((ap.x * ab.x + ap.y * ab.y) / (ab.x * ab.x + ab.y * ab.y), 0.0, 1.0);
    return Length({ap.x - ab.x * t, ap.y - ab.y * t}) - halfWidth;
}

const Colour kOutline = {0.06, 0.06, 0.10};
constexpr double kOutlineWidth = 0.022;
constexpr double kBadge = 0.94;

// A colour laid over what is there, with the given opacity.
void Paint(Colour& c, const Colour& paint, double opacity) {
    c = Mix(c, paint, std::clamp(opacity, 0.0, 1.0));
}

// A filled shape with a dark outline, so that it reads at the smallest sizes.
void Outlined(Colour& c, double distance, const Colour& fill) {
    if (distance < 0)
        c = fill;
    else if (distance < kOutlineWidth)
        c = kOutline;
}

Colour Sky(Point p) {
    Colour c = Mix({0.13, 0.15, 0.38}, {0.02, 0.03, 0.12}, (p.y + 1) / 2);
    const struct {
        Point at;
        double radius;
    } stars[] = {{{-0.55, 0.52}, 0.06}, {{0.52, 0.64}, 0.05},   {{-0.16, 0.78}, 0.04},
                 {{0.74, 0.16}, 0.04},  {{-0.76, 0.08}, 0.035}, {{0.22, 0.5}, 0.03}};
    for (const auto& star : stars) {
        // A four-pointed glint: bright along its two axes, fading with distance.
        const Point d = Minus(p, star.at);
        const double glint = 1 - (std::sqrt(std::abs(d.x * d.y)) * 6 + Length(d)) / star.radius;
        Paint(c, {0.95, 0.95, 1.0}, glint);
    }
    return c;
}

void Moon(Colour& c, Point p) {
    const Point centre = {0, -2.45};
    const double d = Circle(p, centre, 1.9);
    if (d > 0)
        return;
    // Lit from above: brighter towards the horizon line.
    c = Mix({0.40, 0.40, 0.40}, {0.74, 0.73, 0.70}, std::clamp(1 + d / 0.45, 0.0, 1.0));
    const struct {
        Point at;
        double rx, ry;
    } craters[] = {
        {{-0.42, -0.7}, 0.17, 0.055}, {{0.38, -0.79}, 0.13, 0.045}, {{-0.02, -0.9}, 0.08, 0.03}};
    for (const auto& crater : craters) {
        const Point q = {(p.x - crater.at.x) / crater.rx, (p.y - crater.at.y) / crater.ry};
        const double r = Length(q);
        if (r < 1)
            c = Mix(c, q.y > 0 ? Colour{0.28, 0.28, 0.29} : Colour{0.50, 0.50, 0.50}, 0.8);
        else if (r < 1.25 && q.y < 0)
            Paint(c, {0.86, 0.85, 0.82}, 0.7);
    }
}

// The last hop: a dotted arc from where the lander took off to its nozzle.
void Trail(Colour& c, Point p, Point end) {
    const Point start = {-0.72, -0.6}, control = {-0.55, 0.25};
    constexpr int kDots = 9;
    for (int i = 0; i < kDots; ++i) {
        const double t = (i + 0.5) / kDots * 0.85;
        const Point at = {(1 - t) * (1 - t) * start.x + 2 * t * (1 - t) * control.x + t * t * end.x,
                          (1 - t) * (1 - t) * start.y + 2 * t * (1 - t) * control.y +
                              t * t * end.y};
        if (Circle(p, at, 0.028 + 0.012 * t) < 0)
            Paint(c, {0.80, 0.86, 1.0}, 0.45 + 0.5 * t);
    }
}

// The lander, drawn upright about its own centre (q), tilted by the caller.
void Lander(Colour& c, Point q) {
    // Plume under the nozzle, white-yellow at the nozzle to orange at its tip.
    const double along = (-0.16 - q.y) / 0.42;
    if (along > 0 && along < 1 && std::abs(q.x) < 0.075 * (1 - along) + 0.012) {
        const double core = 1 - std::abs(q.x) / (0.075 * (1 - along) + 0.012);
        Paint(c, Mix({1.0, 0.93, 0.55}, {1.0, 0.42, 0.08}, along),
              std::min(1.0, core * 2.5) * (1.2 - along));
    }
    for (double side : {-1.0, 1.0}) {
        Outlined(c, Stroke(q, {side * 0.16, -0.04}, {side * 0.31, -0.27}, 0.022),
                 {0.70, 0.70, 0.72});
        Outlined(c, Stroke(q, {side * 0.25, -0.28}, {side * 0.37, -0.28}, 0.022),
                 {0.70, 0.70, 0.72});
    }
    // The camera mast on top, its camera at the tip.
    Outlined(c, Stroke(q, {0.06, 0.28}, {0.2, 0.42}, 0.016), {0.70, 0.70, 0.72});
    Outlined(c, Box(q, {0.15, 0.4}, {0.27, 0.48}), {0.85, 0.30, 0.22});
    Outlined(c, Box(q, {-0.06, -0.16}, {0.06, -0.06}), {0.30, 0.30, 0.33});
    // Gold foil body, darker on its lower half.
    Outlined(c, Box(q, {-0.21, -0.07}, {0.21, 0.13}),
             q.y < 0.03 ? Colour{0.72, 0.53, 0.12} : Colour{0.93, 0.74, 0.25});
    // The crew cabin with its window.
    Outlined(c, Box(q, {-0.14, 0.13}, {0.1, 0.28}), {0.80, 0.82, 0.86});
    if (Box(q, {-0.08, 0.17}, {0.03, 0.24}) < 0)
        c = {0.10, 0.16, 0.34};
}

// The icon at one point: its colour, and whether the badge covers the point.
bool Sample(Point p, Colour& c) {
    const double r = Length(p);
    if (r > kBadge)
        return false;
    c = Sky(p);
    Moon(c, p);
    const Point lander = {0.2, 0.08};
    constexpr double kTilt = -14; // leaning into the hop
    Trail(c, p, {lander.x - 0.1, lander.y - 0.2});
    Lander(c, Rotated(Minus(p, lander), -kTilt));
    // A pale rim keeps the badge apart from dark panels.
    if (r > kBadge - 0.045)
        c = Mix({0.52, 0.58, 0.78}, c, 0.15);
    return true;
}

} // namespace

CoveredCanvas PaintIcon(int size) {
    return PaintSquare(size, 6, [](double x, double y, Colour& c) { return Sample({x, y}, c); });
}
