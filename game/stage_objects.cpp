// The stage objects' steps and the door test.
// Movers turn only on hitting a limit exactly; layouts place them so their steps reach it.
#include "game/stage_objects.hpp"

#include "game/player_motion.hpp"
#include "game/surface_contact.hpp"

namespace ursa {

namespace {

constexpr int kSpikeHalfWidth = 55;
constexpr int kSpikeReachBelow = 120;
constexpr int kSpikeReachAbove = 5;
constexpr int kDoorHalfWidth = 50;
constexpr int kDoorReachBelow = 100;
constexpr int kDoorReachAbove = 50;

// One step along the mover's axis; the speed flips when a limit is met exactly.
void MoveAndTurn(int16_t& position, int16_t& vel, int16_t limitA, int16_t limitB) {
  position = Wrap16(position + vel);
  if (position == limitA || position == limitB) vel = Wrap16(-vel);
}

// A horizontal mover: carries a player standing on it, catches one landing and bumps heads.
void SlidingPlatformActs(GameState& s, int i) {
  const int16_t x = s.objX[i];
  const int16_t y = s.objY[i];
  if (StandsOn(s, x, y, kBlockFootprint)) {
    s.onGround = 1;
    s.playerX = Wrap16(s.playerX + s.objVel[i]);
  }
  CatchOnTop(s, x, y, kBlockFootprint);
  BumpHead(s, x, y, kBlockFootprint);
}

void StartSinking(GameState& s, int i) {
  s.objLimitA[i] = kSinkFloor;
  s.objLimitB[i] = kSinkFloor;
  s.objVel[i] = kSinkSpeed;
}

// A vertical mover: bobs until the player lands on it, then sinks to the floor and rests.
void SinkingPlatformActs(GameState& s, int i) {
  const int16_t x = s.objX[i];
  const int16_t y = s.objY[i];
  if (StandsOn(s, x, y, kSinkerFootprint)) s.onGround = 1;
  if (CatchOnTop(s, x, y, kSinkerFootprint)) StartSinking(s, i);
  if (s.objY[i] <= kSinkFloor) {
    s.objY[i] = kSinkFloor;
    s.objVel[i] = 0;
  }
}

bool TouchesSpike(const GameState& s, int i) {
  const int16_t x = s.objX[i];
  const int16_t y = s.objY[i];
  return StrictlyBetween(x - kSpikeHalfWidth, s.playerX, x + kSpikeHalfWidth) &&
         StrictlyBetween(y - kSpikeReachBelow, s.playerY, y + kSpikeReachAbove);
}

}  // namespace

bool MoveObject(GameState& s, int i) {
  switch (s.objKind[i]) {
    case kKindBlock2:
      MoveAndTurn(s.objX[i], s.objVel[i], s.objLimitA[i], s.objLimitB[i]);
      return true;
    case kKindBlock3:
      MoveAndTurn(s.objY[i], s.objVel[i], s.objLimitA[i], s.objLimitB[i]);
      return true;
    default:
      return false;
  }
}

bool ObjectActs(GameState& s, int i) {
  switch (s.objKind[i]) {
    case kKindBlock2:
      SlidingPlatformActs(s, i);
      return false;
    case kKindBlock3:
      SinkingPlatformActs(s, i);
      return false;
    case kKindToge:
      return TouchesSpike(s, i);
    default:
      return false;
  }
}

bool DoorTest(GameState& s) {
  if (s.jumpKey != kJumpPressed) return false;
  const int16_t x = s.objX[0];
  const int16_t y = s.objY[0];
  if (!StrictlyBetween(x - kDoorHalfWidth, s.playerX, x + kDoorHalfWidth) ||
      !StrictlyBetween(y - kDoorReachBelow, s.playerY, y + kDoorReachAbove)) {
    return false;
  }
  s.stage = Wrap16(s.stage + 1);
  return true;
}

}  // namespace ursa
