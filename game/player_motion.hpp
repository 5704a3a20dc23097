// The player's motion in a frame: block collisions, running, friction, jumping, gravity, falling.
// Each step is one rule of the frame; RunFrame calls them in frame order.
#pragma once

#include "game/game_state.hpp"

namespace ursa {

inline constexpr int kMaxRunSpeed = 15;
inline constexpr int kJumpSpeed = 28;
inline constexpr int kMaxFallSpeed = 20;
inline constexpr int kWalkCycle = 20;
inline constexpr int kAirbornePose = 5;
// Below this height the player only falls straight down.
inline constexpr int kStraightFallHeight = -400;
// At or below this height the player has fallen out of the stage.
inline constexpr int kFallLimit = -1500;

// jumpKey values.
inline constexpr int16_t kJumpReleased = 0;
inline constexpr int16_t kJumpPressed = -1;
inline constexpr int16_t kJumpUsed = -2;

// Stands on, lands on or bumps the head against each of the 100 blocks in turn.
void BlockPass(GameState& s);
// Accelerates toward the held direction and walks the cycle; the player turns to face the
// direction held (a view call RunFrame makes right after this step).
void HorizontalInput(GameState& s);
// Standing pose without input; the airborne pose wins over everything.
void AnimationOverrides(GameState& s);
// Slows the player by one step when no direction is held, on the ground and in the air.
void Friction(GameState& s);
void HorizontalMove(GameState& s);
void Jump(GameState& s);
void Gravity(GameState& s);
void VerticalMove(GameState& s);
// True when the player has fallen out of the stage.
bool FallTest(const GameState& s);

}  // namespace ursa
