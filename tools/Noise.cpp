#include "tools/Noise.h"

#include <cmath>

namespace {

double Lattice(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / 16777215.0;
}

double Fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

} // namespace

double ValueNoise(double x, double y, int periodX, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const double tx = Fade(x - fx), ty = Fade(y - fy);
    int x0 = static_cast<int>(fx) % periodX;
    if (x0 < 0)
        x0 += periodX;
    const int x1 = (x0 + 1) % periodX;
    const int y0 = static_cast<int>(fy), y1 = y0 + 1;
    const double a = Lattice(x0, y0, seed), b = Lattice(x1, y0, seed);
    const double c = Lattice(x0, y1, seed), d = Lattice(x1, y1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double FractalNoise(double x, double y, int periodX, int octaves, std::uint32_t seed) {
    double sum = 0, weight = 0, amplitude = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * ValueNoise(x, y, periodX, seed + i * 101u);
        weight += amplitude;
        amplitude *= 0.5;
        x *= 2;
        y *= 2;
        periodX *= 2;
    }
    return sum / weight;
}
