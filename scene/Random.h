// The process-wide pseudo-random generator. The moon's shape depends on its exact sequence.
#pragma once

#include <cstdint>

// Sets the generator's 32-bit state.
void SeedRandom(std::uint32_t seed);
// Advances the state and returns a value in 0..32767.
int NextRandom();
