// Deterministic pseudo-random numbers for the art generators (splitmix64).
// Fixed seeds make every generated asset identical from run to run and machine to machine.
#pragma once

#include <cstdint>

namespace ursa::meshgen {

class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}

  uint64_t NextBits() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1), from the top 24 bits so the value is exact in a float.
  float Unit() { return static_cast<float>(NextBits() >> 40) / 16777216.0F; }
  float Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }

 private:
  uint64_t state_;
};

// A repeatable value in [0, 1) for a lattice point, the same wherever it is asked for.
inline float LatticeNoise(int x, int y, uint64_t salt) {
  Rng rng(salt * 0x100000001B3ULL + static_cast<uint64_t>(static_cast<uint32_t>(x)) * 73856093U +
          static_cast<uint64_t>(static_cast<uint32_t>(y)) * 19349663U);
  return rng.Unit();
}

}  // namespace ursa::meshgen
