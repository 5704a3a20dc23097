// The rules of a frame written the plainest way, every object and every block tested in turn:
// the model the game's frame is checked against, and the same-work floor of bench-rules.
#pragma once

#include "game/game_host.hpp"
#include "game/game_state.hpp"
#include "game/player_motion.hpp"

namespace ursa::plain {

inline bool Within(int low, int16_t v, int high) { return Wrap16(low) <= v && v <= Wrap16(high); }
inline bool Inside(int low, int16_t v, int high) { return Wrap16(low) < v && v < Wrap16(high); }

// A top `top` above y, a landing band `band` deep, feet over x within `half`: stand, then land.
inline bool StandAndLand(GameState& s, int16_t x, int16_t y, int half, int top, int band) {
  if (!Within(x - half, s.playerX, x + half)) return false;
  if (s.playerY == Wrap16(y + top)) s.onGround = 1;
  if (!Inside(y + top - band, s.playerY, y + top)) return false;
  s.velY = 0;
  s.onGround = 1;
  s.playerY = Wrap16(y + top);
  return true;
}

inline void HeadBump(GameState& s, int16_t x, int16_t y) {
  if (Within(x - 75, s.playerX, x + 75) && Inside(y - 75, s.playerY, y)) {
    s.velY = 0;
    s.playerY = Wrap16(y - 75);
  }
}

inline void Step(int16_t& at, int16_t& vel, int16_t limitA, int16_t limitB) {
  at = Wrap16(at + vel);
  if (at == limitA || at == limitB) vel = Wrap16(-vel);
}

// One frame without a view; the player's own steps are the game's.
inline FrameResult Frame(GameState& s) {
  s.onGround = 0;
  for (int i = 0; i < kObjectCount; ++i) {
    const int16_t kind = s.objKind[i];
    if (kind == kKindBlock2) {
      Step(s.objX[i], s.objVel[i], s.objLimitA[i], s.objLimitB[i]);
      const int16_t x = s.objX[i];
      const int16_t y = s.objY[i];
      if (Within(x - 75, s.playerX, x + 75) && s.playerY == Wrap16(y + 150)) {
        s.onGround = 1;
        s.playerX = Wrap16(s.playerX + s.objVel[i]);
      }
      if (Within(x - 75, s.playerX, x + 75) && Inside(y + 100, s.playerY, y + 150)) {
        s.velY = 0;
        s.onGround = 1;
        s.playerY = Wrap16(y + 150);
      }
      HeadBump(s, x, y);
    } else if (kind == kKindBlock3) {
      Step(s.objY[i], s.objVel[i], s.objLimitA[i], s.objLimitB[i]);
      if (StandAndLand(s, s.objX[i], s.objY[i], 50, 140, 30)) {
        s.objLimitA[i] = -5000;
        s.objLimitB[i] = -5000;
        s.objVel[i] = -2;
      }
      if (s.objY[i] <= -5000) {
        s.objY[i] = -5000;
        s.objVel[i] = 0;
      }
    } else if (kind == kKindToge && Inside(s.objX[i] - 55, s.playerX, s.objX[i] + 55) &&
               Inside(s.objY[i] - 120, s.playerY, s.objY[i] + 5)) {
      return FrameResult::kSpike;
    }
  }
  for (int i = 0; i < kBlockCount; ++i) {
    StandAndLand(s, s.blockX[i], s.blockY[i], 75, 150, 50);
    HeadBump(s, s.blockX[i], s.blockY[i]);
  }
  HorizontalInput(s);
  AnimationOverrides(s);
  Friction(s);
  HorizontalMove(s);
  if (s.jumpKey == kJumpPressed && Inside(s.objX[0] - 50, s.playerX, s.objX[0] + 50) &&
      Inside(s.objY[0] - 100, s.playerY, s.objY[0] + 50)) {
    s.stage = Wrap16(s.stage + 1);
    return FrameResult::kDoor;
  }
  Jump(s);
  Gravity(s);
  VerticalMove(s);
  if (FallTest(s)) return FrameResult::kFall;
  if (s.frameCount < 0x7fffffff) ++s.frameCount;
  return FrameResult::kNone;
}

}  // namespace ursa::plain
