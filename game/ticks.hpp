// The game's clock: 20 ms ticks read from the host's 64-bit millisecond counter.
// lastTick keeps only the low 32 bits; differences are taken modulo 2^32 so they never wrap.
#pragma once

#include <cstdint>

#include "game/game_host.hpp"

namespace ursa {

inline constexpr int64_t kTickMs = 20;

inline int64_t TickNow(GameHost& host) { return host.Milliseconds() / kTickMs; }

// Ticks from `lastTick` (a stored tick number) to `now`.
inline int64_t TicksSince(int32_t lastTick, int64_t now) {
  return static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(lastTick));
}

}  // namespace ursa
