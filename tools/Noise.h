// Deterministic randomness for the pictures: the same numbers on every build and run.
#pragma once

#include <cstdint>

class Random {
  public:
    explicit Random(std::uint64_t seed) : state(seed) {}
    std::uint64_t Next() {
        // splitmix64
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Range(double low, double high) { return low + (high - low) * Uniform(); }

  private:
    std::uint64_t state;
};

// Smooth value noise in 0..1 over a lattice of the given period along x (so it wraps around
// a sphere's longitude), summed over octaves.
double ValueNoise(double x, double y, int periodX, std::uint32_t seed);
double FractalNoise(double x, double y, int periodX, int octaves, std::uint32_t seed);
