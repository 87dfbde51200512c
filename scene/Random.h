// The process-wide pseudo-random generator. The moon's shape depends on its exact sequence.
#pragma once

#include <cstdint>

namespace random_detail {
// The generator's state. Visible only so that NextRandom can be inlined into the particle loops,
// which draw one number per particle per frame.
extern std::uint32_t state;
} // namespace random_detail

// Sets the generator's 32-bit state.
void SeedRandom(std::uint32_t seed);

// Advances the state and returns its bits 16 to 30, a value in 0..32767.
inline int NextRandom() {
    std::uint32_t& state = random_detail::state;
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7fffu);
}
