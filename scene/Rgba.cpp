#include "scene/Rgba.h"

namespace {
// The single-precision value of 1/255, widened.
constexpr double kByteScale = 0.003921568859368563;
} // namespace

Rgba Rgba::FromBytes(int red, int green, int blue) {
    return Rgba(static_cast<float>(red * kByteScale), static_cast<float>(green * kByteScale),
                static_cast<float>(blue * kByteScale), 1.0f);
}

Rgba Rgba::Scaled(const Rgba& c, double s) {
    return Rgba(static_cast<float>(c.r * s), static_cast<float>(c.g * s),
                static_cast<float>(c.b * s), 1.0f);
}
