#include "terrain/SplitSeed.h"

#include <cstdint>
#include <limits>

std::uint32_t SplitSeed(const Vec3& corner, int level) {
    double product = ((corner.z * corner.y) * corner.x) * level;
    const double limit = 9223372036854775808.0; // 2^63
    std::int64_t whole = std::numeric_limits<std::int64_t>::min();
    if (product >= -limit && product < limit)
        whole = static_cast<std::int64_t>(product);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole));
}
