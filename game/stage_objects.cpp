// The stage objects' steps and the door test.
// Movers turn only on hitting a limit exactly; layouts place them so their steps reach it.
#include "game/stage_objects.hpp"

#include <algorithm>

#include "game/player_motion.hpp"
#include "game/surface_contact.hpp"
#include "game/table_scan.hpp"

namespace ursa {

namespace {

constexpr int kSpikeHalfWidth = 55;
constexpr int kSpikeReachBelow = 120;
constexpr int kSpikeReachAbove = 5;
constexpr int kDoorHalfWidth = 50;
constexpr int kDoorReachBelow = 100;
constexpr int kDoorReachAbove = 50;

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

// A vertical mover bobs until the player lands on it, then sinks to the floor (RestOnFloor).
void SinkingPlatformActs(GameState& s, int i) {
  const int16_t x = s.objX[i];
  const int16_t y = s.objY[i];
  if (StandsOn(s, x, y, kSinkerFootprint)) s.onGround = 1;
  if (CatchOnTop(s, x, y, kSinkerFootprint)) StartSinking(s, i);
}

bool TouchesSpike(const GameState& s, int i) {
  const int16_t x = s.objX[i];
  const int16_t y = s.objY[i];
  return StrictlyBetween(x - kSpikeHalfWidth, s.playerX, x + kSpikeHalfWidth) &&
         StrictlyBetween(y - kSpikeReachBelow, s.playerY, y + kSpikeReachAbove);
}

// The platforms of a group take their step along their axes; a speed flips where a limit is met
// exactly. A step reads and writes only the platform's own entry and nothing of the player, so
// the group's steps are all taken before any of its objects acts.
template <class L>
URSA_LANES_INLINE void StepPlatforms(GameState& s, int at, L sliding, L sinking) {
  const L x = LoadLanes<L>(s.objX, at);
  const L y = LoadLanes<L>(s.objY, at);
  const L vel = LoadLanes<L>(s.objVel, at);
  const L to = AddWrapped(Select(sliding, x, y), vel);
  const L turns = (to == LoadLanes<L>(s.objLimitA, at)) | (to == LoadLanes<L>(s.objLimitB, at));
  StoreLanes(s.objX, at, Select(sliding, to, x));
  StoreLanes(s.objY, at, Select(sinking, to, y));
  StoreLanes(s.objVel, at, Select((sliding | sinking) & turns, Negated(vel), vel));
}

// Takes the steps back, for the platforms after a spike that stopped the pass: a step met a
// limit exactly when the place it led to is a limit, and no limit has changed since, as only
// a platform's own act changes them.
template <class L>
URSA_LANES_INLINE void UnstepPlatforms(GameState& s, int at, L sliding, L sinking) {
  const L x = LoadLanes<L>(s.objX, at);
  const L y = LoadLanes<L>(s.objY, at);
  const L vel = LoadLanes<L>(s.objVel, at);
  const L to = Select(sliding, x, y);
  const L turned = (to == LoadLanes<L>(s.objLimitA, at)) | (to == LoadLanes<L>(s.objLimitB, at));
  const L stepped = Select(turned, Negated(vel), vel);
  const L from = AddWrapped(to, Negated(stepped));
  StoreLanes(s.objX, at, Select(sliding, from, x));
  StoreLanes(s.objY, at, Select(sinking, from, y));
  StoreLanes(s.objVel, at, Select(sliding | sinking, stepped, vel));
}

// Flags of the objects that may act on a player at playerX: those within a block's half width
// of it, the widest reach of any object, which every test of an object needs first (each act
// then tests its own reach). The pass moves the player up and down, and sideways only by a
// carry. Objects so near the 16-bit ends that a reach wraps around are always taken.
template <class L>
URSA_LANES_INLINE LaneMask ActingObjects(const GameState& s, int at, L actors) {
  const L px = Broadcast<L>(s.playerX);
  const L x = LoadLanes<L>(s.objX, at);
  constexpr int16_t kReach = kBlockFootprint.halfWidth;
  const L nearEnd = (x > Broadcast<L>(INT16_MAX - kReach)) | (x < Broadcast<L>(INT16_MIN + kReach));
  const L near = (AddWrapped(x, Wrap16(-kReach)) <= px) & (px <= AddWrapped(x, kReach));
  return LaneFlags<L>(actors & (near | nearEnd));
}

// Sinking platforms that have passed the floor are put on it and stop, every frame, whether the
// player touched them or not; the view has been shown their step already.
template <class L>
URSA_LANES_INLINE void RestOnFloor(GameState& s, int at, L sinking) {
  const L y = LoadLanes<L>(s.objY, at);
  const L rests = sinking & (y <= Broadcast<L>(kSinkFloor));
  if (LaneFlags<L>(rests) == 0) return;
  StoreLanes(s.objY, at, Select(rests, Broadcast<L>(kSinkFloor), y));
  StoreLanes(s.objVel, at, Select(rests, Broadcast<L>(0), LoadLanes<L>(s.objVel, at)));
}

// The object pass over a group of objects, in the frame's order for each of them: its step, its
// placing in the view, its act on the player. Returns the index of a spike that touched the
// player, or kObjectCount. The objects in the group after such a spike are left as they were.
template <class L>
URSA_LANES_INLINE int PassGroup(GameState& s, GameHost& host, bool places,
                                const LaneGroup<L>& group) {
  const int at = group.at;
  const L kind = LoadLanes<L>(s.objKind, at);
  const L actors =
      group.own & (kind >= Broadcast<L>(kKindBlock2)) & (kind <= Broadcast<L>(kKindBlock3));
  if (LaneFlags<L>(actors) == 0) return kObjectCount;  // scenery and empty entries only
  const L sliding = group.own & (kind == Broadcast<L>(kKindBlock2));
  const L sinking = group.own & (kind == Broadcast<L>(kKindBlock3));
  StepPlatforms(s, at, sliding, sinking);

  // The acts, in index order. A carry moves the player sideways: the objects after the
  // carrying platform are picked again for the new place.
  int stop = kObjectCount;
  LaneMask acting = ActingObjects(s, at, actors);
  while (acting != 0) {
    const int lane = TakeFirstLane(acting);
    const int i = at + lane;
    const int16_t x = s.playerX;
    if (s.objKind[i] == kKindBlock2) {
      SlidingPlatformActs(s, i);
      if (s.playerX != x) acting = LanesAfter(ActingObjects(s, at, actors), lane);
    } else if (s.objKind[i] == kKindBlock3) {
      SinkingPlatformActs(s, i);
    } else if (TouchesSpike(s, i)) {
      stop = i;
      break;
    }
  }

  const L before =
      LaneIndex<L>() < Broadcast<L>(static_cast<int16_t>(std::min(stop - at, kLanesOf<L>)));
  if (places) {
    LaneMask placed = LaneFlags<L>((sliding | sinking) & before);
    while (placed != 0) host.PlaceObject(s, at + TakeFirstLane(placed));
  }
  RestOnFloor(s, at, sinking & before);
  if (stop != kObjectCount) UnstepPlatforms(s, at, sliding & ~before, sinking & ~before);
  return stop;
}

template <class L>
URSA_LANES_INLINE bool ObjectPassWith(GameState& s, GameHost& host) {
  const bool places = host.PlacesObjects();
  for (int g = 0; g < kLaneGroups<L, kObjectCount>; ++g) {
    if (PassGroup(s, host, places, GroupOf<L, kObjectCount>(g)) != kObjectCount) return true;
  }
  return false;
}

#if URSA_WIDE_LANES
URSA_WIDE_TARGET bool WideObjectPass(GameState& s, GameHost& host) {
  return ObjectPassWith<WideLanes>(s, host);
}
#endif

}  // namespace

bool ObjectPass(GameState& s, GameHost& host) {
#if URSA_WIDE_LANES
  if (WideLanesSupported()) return WideObjectPass(s, host);
#endif
  return ObjectPassWith<NarrowLanes>(s, host);
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
