// Par times: the fewest frames of play that clear each stage from its start, as ursa-route
// --optimal found them (tools/ursa-route/pars holds the routes); a time attack sums them.
#pragma once

#include <array>
#include <cstdint>

#include "game/stage_layouts.hpp"

namespace ursa {

struct StagePar {
  int16_t stage = 0;
  // Frames of play from the stage's first frame through the frame that takes the player
  // through the door, on the best route known.
  int32_t frames = 0;
  // No route takes fewer frames than this; equal to frames where that is proven.
  int32_t lowerBound = 0;

  bool Proven() const { return lowerBound == frames; }
};

inline constexpr int kParStages = kLastStage - kFirstStage + 1;

// Stages 1 to 15 in order.
const std::array<StagePar, kParStages>& StagePars();

// The par of a stage, 1 to 15.
const StagePar& ParOf(int stage);

// All fifteen pars together, in frames: the par of a game played through.
int32_t ParTotalFrames();

}  // namespace ursa
