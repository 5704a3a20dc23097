// The game's pseudo-random generator (xorshift32, fixed start state).
// See random.hpp for the algorithm and its guarantees.
#include "toolkit/random.hpp"

namespace ursa::tk {

float Random::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_ >> 8) * (1.0f / 16777216.0f);
}

}  // namespace ursa::tk
