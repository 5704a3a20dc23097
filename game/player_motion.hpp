// The player's motion in a frame: block collisions, running, friction, jumping, gravity, falling.
// One function per step, in frame order; all but the block pass are defined here, for RunFrame.
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
inline void HorizontalInput(GameState& s) {
  if (s.moveInput == 0) return;
  if (s.moveInput == 1 && s.velX < kMaxRunSpeed) s.velX = Wrap16(s.velX + 1);
  if (s.moveInput == -1 && s.velX > -kMaxRunSpeed) s.velX = Wrap16(s.velX - 1);
  s.animFrame = Wrap16(s.animFrame + 1);
  if (s.animFrame == kWalkCycle) s.animFrame = 0;
}
// Standing pose without input; the airborne pose wins over everything.
inline void AnimationOverrides(GameState& s) {
  if (s.moveInput == 0) s.animFrame = 0;
  if (s.onGround == 0) s.animFrame = kAirbornePose;
}
// Slows the player by one step when no direction is held, on the ground and in the air.
inline void Friction(GameState& s) {
  if (s.moveInput != 0) return;
  if (s.velX > 0) s.velX = Wrap16(s.velX - 1);
  if (s.velX < 0) s.velX = Wrap16(s.velX + 1);
}
inline void HorizontalMove(GameState& s) {
  if (s.playerY > kStraightFallHeight) s.playerX = Wrap16(s.playerX + s.velX);
}
inline void Jump(GameState& s) {
  if (s.jumpKey == kJumpPressed && s.onGround == 1) {
    s.velY = kJumpSpeed;
    s.jumpKey = kJumpUsed;
  }
}
inline void Gravity(GameState& s) {
  if (s.velY > -kMaxFallSpeed && s.onGround == 0) s.velY = Wrap16(s.velY - 1);
}
inline void VerticalMove(GameState& s) { s.playerY = Wrap16(s.playerY + s.velY); }
// True when the player has fallen out of the stage.
inline bool FallTest(const GameState& s) { return s.playerY <= kFallLimit; }

}  // namespace ursa
