#include "tools/Noise.h"
#include "tools/Pictures.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Vec {
    double x, y, z;
};

double Dot(const Vec& a, const Vec& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec Normalised(const Vec& v) {
    const double l = std::sqrt(Dot(v, v));
    return {v.x / l, v.y / l, v.z / l};
}

Vec Cross(const Vec& a, const Vec& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// The band is a great circle tilted across the sphere.
const Vec kBandNormal = Normalised({0.35, 0.55, 0.76});
const Vec kBandU = Normalised(Cross(kBandNormal, {0, 0, 1}));
const Vec kBandV = Cross(kBandNormal, kBandU);

class Sky {
  public:
    Sky(int width, int height) : canvas(width, height) {}

    Vec Direction(double x, double y) const {
        const double longitude = x / canvas.width * 2 * kPi;
        const double latitude = kPi / 2 - y / canvas.height * kPi;
        return {std::cos(latitude) * std::cos(longitude), std::cos(latitude) * std::sin(longitude),
                std::sin(latitude)};
    }

    void PaintBand() {
        for (int y = 0; y < canvas.height; ++y)
            for (int x = 0; x < canvas.width; ++x) {
                const Vec d = Direction(x + 0.5, y + 0.5);
                const double across = Dot(d, kBandNormal);
                const double along = std::atan2(Dot(d, kBandV), Dot(d, kBandU));
                const double core = std::exp(-across * across / (2 * 0.19 * 0.19));
                if (core < 1e-3)
                    continue;
                const double u = (along + kPi) / (2 * kPi) * 48;
                const double v = (across + 1) * 24;
                const double clouds = FractalNoise(u, v, 48, 5, 17);
                // A dark lane runs along the middle of the band, broken up by the clouds.
                const double lane =
                    std::exp(-std::pow((across - 0.02) / 0.035, 2)) *
                    std::clamp(FractalNoise(u * 2, v * 2, 96, 4, 29) * 1.6 - 0.3, 0.0, 1.0);
                const double glow = core * std::pow(clouds, 2.2) * 0.42 * (1 - 0.75 * lane);
                Colour& c = canvas.At(x, y);
                c.r += glow * 0.86;
                c.g += glow * 0.84;
                c.b += glow * 0.95;
            }
    }

    // A star as a small Gaussian spot measured in angle, so it stays round where the
    // projection stretches rows near the poles.
    void Star(const Vec& at, double sigma, double peak, const Colour& tint) {
        const double latitude = std::asin(std::clamp(at.z, -1.0, 1.0));
        double longitude = std::atan2(at.y, at.x);
        if (longitude < 0)
            longitude += 2 * kPi;
        const double cx = longitude / (2 * kPi) * canvas.width;
        const double cy = (kPi / 2 - latitude) / kPi * canvas.height;
        const double texel = kPi / canvas.height; // angle of one row
        const int reach = static_cast<int>(std::ceil(sigma * 4.5));
        const double stretch = 1 / std::max(std::cos(latitude), 0.02);
        const int reachX = std::min(static_cast<int>(std::ceil(reach * stretch)), canvas.width / 2);
        for (int y = static_cast<int>(cy) - reach; y <= static_cast<int>(cy) + reach; ++y) {
            if (y < 0 || y >= canvas.height)
                continue;
            for (int x = static_cast<int>(cx) - reachX; x <= static_cast<int>(cx) + reachX; ++x) {
                const int wrapped = (x % canvas.width + canvas.width) % canvas.width;
                const Vec d = Direction(x + 0.5, y + 0.5);
                const double angle = std::acos(std::clamp(Dot(d, at), -1.0, 1.0)) / texel;
                const double spot =
                    peak * std::exp(-angle * angle / (2 * sigma * sigma)) +
                    peak * 0.05 * std::exp(-angle * angle / (2 * 16 * sigma * sigma));
                if (spot < 1e-4)
                    continue;
                Colour& c = canvas.At(wrapped, y);
                c.r += spot * tint.r;
                c.g += spot * tint.g;
                c.b += spot * tint.b;
            }
        }
    }

    Canvas canvas;
};

Colour Tint(Random& random) {
    const double pick = random.Uniform();
    if (pick < 0.15)
        return {0.78, 0.86, 1.00}; // hot, blue-white
    if (pick < 0.60)
        return {1.00, 1.00, 1.00};
    if (pick < 0.85)
        return {1.00, 0.95, 0.84};
    return {1.00, 0.82, 0.64}; // cool, orange
}

Vec UniformDirection(Random& random) {
    const double z = random.Range(-1, 1);
    const double a = random.Range(0, 2 * kPi);
    const double r = std::sqrt(1 - z * z);
    return {r * std::cos(a), r * std::sin(a), z};
}

// Near the band: a direction at a Gaussian distance from its great circle.
Vec BandDirection(Random& random) {
    const double along = random.Range(0, 2 * kPi);
    double across = 0;
    for (int i = 0; i < 4; ++i)
        across += random.Range(-0.5, 0.5);
    across *= 0.22;
    const Vec onCircle = {kBandU.x * std::cos(along) + kBandV.x * std::sin(along),
                          kBandU.y * std::cos(along) + kBandV.y * std::sin(along),
                          kBandU.z * std::cos(along) + kBandV.z * std::sin(along)};
    return Normalised({onCircle.x + kBandNormal.x * across, onCircle.y + kBandNormal.y * across,
                       onCircle.z + kBandNormal.z * across});
}

} // namespace

Canvas PaintStarSphere(int width, int height) {
    Sky sky(width, height);
    sky.PaintBand();
    Random random(0x5EED5747ULL);
    const double scale = height / 1024.0;
    // Faint stars far outnumber bright ones; the band adds a dense haze of faint ones.
    for (int i = 0; i < 7000; ++i) {
        const double brightness = std::pow(random.Uniform(), 6.0);
        const double sigma = (0.38 + 0.9 * brightness + random.Range(0, 0.12)) * scale;
        sky.Star(UniformDirection(random), sigma, 0.05 + 1.4 * brightness, Tint(random));
    }
    for (int i = 0; i < 14000; ++i) {
        const double brightness = std::pow(random.Uniform(), 9.0);
        const double sigma = (0.38 + 0.6 * brightness + random.Range(0, 0.1)) * scale;
        sky.Star(BandDirection(random), sigma, 0.03 + 0.8 * brightness, Tint(random));
    }
    return sky.canvas;
}
