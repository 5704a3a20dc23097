// The block pass: the player against the hundred static blocks, in index order.
// The blocks the feet are over are picked out many at a time; only those are tested.
#include "game/player_motion.hpp"

#include "game/surface_contact.hpp"
#include "game/table_scan.hpp"

namespace ursa {

namespace {

// All three tests of a block need the feet over it, and the pass moves the player only up and
// down: the blocks the feet are over are known before the first test, and the others, most of
// the hundred, are passed over many at a time.
template <class L>
URSA_LANES_INLINE void BlockPassWith(GameState& s) {
  const L px = Broadcast<L>(s.playerX);
  const int16_t half = kBlockFootprint.halfWidth;
  for (int g = 0; g < kLaneGroups<L, kBlockCount>; ++g) {
    const LaneGroup<L> group = GroupOf<L, kBlockCount>(g);
    const L x = LoadLanes<L>(s.blockX, group.at);
    LaneMask over = LaneFlags<L>(group.own & (AddWrapped(x, Wrap16(-half)) <= px) &
                                 (px <= AddWrapped(x, half)));
    while (over != 0) {
      const int i = group.at + TakeFirstLane(over);
      const int16_t bx = s.blockX[i];
      const int16_t by = s.blockY[i];
      if (StandsOn(s, bx, by, kBlockFootprint)) s.onGround = 1;
      CatchOnTop(s, bx, by, kBlockFootprint);
      BumpHead(s, bx, by, kBlockFootprint);
    }
  }
}

#if URSA_WIDE_LANES
URSA_WIDE_TARGET void WideBlockPass(GameState& s) { BlockPassWith<WideLanes>(s); }
#endif

}  // namespace

void BlockPass(GameState& s) {
#if URSA_WIDE_LANES
  if (WideLanesSupported()) {
    WideBlockPass(s);
    return;
  }
#endif
  BlockPassWith<NarrowLanes>(s);
}

}  // namespace ursa
