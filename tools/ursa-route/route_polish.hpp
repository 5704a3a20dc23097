// Polishing a stage route found by the search: fewer key changes for the same stage, so the
// play-through looks like a player's, and never a later door.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "game/game.hpp"
#include "tools/ursa-route/key_plan.hpp"

namespace ursa::route {

// A route as the search sees it: one input choice per step of framesPerStep frames.
struct ChoicePlan {
  std::vector<uint8_t> choices;
  int framesPerStep = 1;
  uint8_t heldAtStart = 0;  // held on the keyboard since the previous stage's door
};

// The key events of a plan, with frames counted from the stage's first frame; heldAtEnd (when
// given) receives the keys held after the last step.
std::vector<ScriptEvent> PlanEvents(const ChoicePlan& plan, uint8_t* heldAtEnd = nullptr);

// Plays the plan from `start` and returns the frames to the door, the door frame included;
// nothing when a miss comes first or the plan ends before the door.
std::optional<int> PlanDoorFrames(const Game& start, const ChoicePlan& plan);

// Replaces whole runs of one choice by a neighbouring run's direction or jump key while that
// removes key events and the door comes no later. The plan must reach the door.
ChoicePlan PolishPlan(const Game& start, ChoicePlan plan);

}  // namespace ursa::route
