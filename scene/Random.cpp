#include "scene/Random.h"

std::uint32_t random_detail::state = 1;

void SeedRandom(std::uint32_t seed) {
    random_detail::state = seed;
}
