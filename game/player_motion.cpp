// The player's motion rules, one function per step of the frame.
// Speeds are whole units per frame; the arithmetic wraps to 16 bits like the state's fields.
#include "game/player_motion.hpp"

#include "game/surface_contact.hpp"

namespace ursa {

void BlockPass(GameState& s) {
  for (int i = 0; i < kBlockCount; ++i) {
    const int16_t x = s.blockX[i];
    const int16_t y = s.blockY[i];
    if (StandsOn(s, x, y, kBlockFootprint)) s.onGround = 1;
    CatchOnTop(s, x, y, kBlockFootprint);
    BumpHead(s, x, y, kBlockFootprint);
  }
}

void HorizontalInput(GameState& s) {
  if (s.moveInput == 0) return;
  if (s.moveInput == 1 && s.velX < kMaxRunSpeed) s.velX = Wrap16(s.velX + 1);
  if (s.moveInput == -1 && s.velX > -kMaxRunSpeed) s.velX = Wrap16(s.velX - 1);
  s.animFrame = Wrap16(s.animFrame + 1);
  if (s.animFrame == kWalkCycle) s.animFrame = 0;
}

void AnimationOverrides(GameState& s) {
  if (s.moveInput == 0) s.animFrame = 0;
  if (s.onGround == 0) s.animFrame = kAirbornePose;
}

void Friction(GameState& s) {
  if (s.moveInput != 0) return;
  if (s.velX > 0) s.velX = Wrap16(s.velX - 1);
  if (s.velX < 0) s.velX = Wrap16(s.velX + 1);
}

void HorizontalMove(GameState& s) {
  if (s.playerY > kStraightFallHeight) s.playerX = Wrap16(s.playerX + s.velX);
}

void Jump(GameState& s) {
  if (s.jumpKey == kJumpPressed && s.onGround == 1) {
    s.velY = kJumpSpeed;
    s.jumpKey = kJumpUsed;
  }
}

void Gravity(GameState& s) {
  if (s.velY > -kMaxFallSpeed && s.onGround == 0) s.velY = Wrap16(s.velY - 1);
}

void VerticalMove(GameState& s) { s.playerY = Wrap16(s.playerY + s.velY); }

bool FallTest(const GameState& s) { return s.playerY <= kFallLimit; }

}  // namespace ursa
