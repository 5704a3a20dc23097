// The game's pseudo-random generator: values in [0, 1) from a fixed start state.
// It is never seeded, so every run of the program draws the same sequence.
#pragma once

#include <cstdint>

namespace ursa::tk {

// Marsaglia's xorshift32 (shifts 13, 17, 5) starting from the state 2463534242.
// Each value is the top 24 bits of the next state divided by 2^24, which a float holds
// exactly, so values lie in [0, 1 - 2^-24]. The state is never zero, so the sequence
// never sticks; its period is 2^32 - 1.
class Random {
 public:
  static constexpr uint32_t kStartState = 2463534242u;

  float Next();

 private:
  uint32_t state_ = kStartState;
};

}  // namespace ursa::tk
