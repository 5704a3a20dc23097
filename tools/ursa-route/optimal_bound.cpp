// The door bound: the fewest frames to the door's x in a looser game where only sideways motion
// counts, worked out once per stage over every x and horizontal speed, backwards from the door.
#include "tools/ursa-route/optimal_bound.hpp"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "game/player_motion.hpp"
#include "game/surface_contact.hpp"

namespace ursa::route {

namespace {

constexpr int kSpeeds = 2 * kMaxRunSpeed + 1;
constexpr uint16_t kUnknown = std::numeric_limits<uint16_t>::max();
// The table reaches this far beyond everything the stage holds; further out the bound is one.
constexpr int kMargin = 1500;
constexpr int kDoorHalfWidth = 50;

}  // namespace

// The looser game, which allows every move the rules allow and more. Per frame, in the order of
// the rules:
// - the object pass may carry the player sideways, by at most the sum of all moving platforms'
//   speeds, and only where the player is within that sum of the stretch some moving platform
//   covers; nothing else in the object and block passes moves the player sideways;
// - the horizontal input changes velX by -1, 0 or +1 within -15..15 (input and friction never
//   do more);
// - the horizontal move adds velX, or nothing below the height where the player only falls;
// - the door test needs x strictly within 50 of the door's x; height and the jump key are left
//   free.
// A route through the door in n frames of the real game is a route of n frames in the looser
// one, so its fewest frames never exceed the real ones.
DoorBound::DoorBound(const GameState& s) {
  int carry = 0;
  int low = s.objX[0];
  int high = s.objX[0];
  int carryLow = std::numeric_limits<int>::max();
  int carryHigh = std::numeric_limits<int>::min();
  for (int i = 0; i < kBlockCount; ++i) {
    low = std::min(low, s.blockX[i] - kBlockFootprint.halfWidth);
    high = std::max(high, s.blockX[i] + kBlockFootprint.halfWidth);
  }
  for (int i = 0; i < kObjectCount; ++i) {
    if (s.objKind[i] == 0) continue;
    const int half = kBlockFootprint.halfWidth;
    const int from = std::min({static_cast<int>(s.objX[i]), static_cast<int>(s.objLimitA[i]),
                               static_cast<int>(s.objLimitB[i])});
    const int to = std::max({static_cast<int>(s.objX[i]), static_cast<int>(s.objLimitA[i]),
                             static_cast<int>(s.objLimitB[i])});
    low = std::min(low, from - half);
    high = std::max(high, to + half);
    if (s.objKind[i] == kKindBlock2) {
      carry += std::abs(s.objVel[i]);
      carryLow = std::min(carryLow, from - half);
      carryHigh = std::max(carryHigh, to + half);
    }
  }
  carryLow -= carry;
  carryHigh += carry;
  left_ = std::max(low - kMargin, -32000);
  right_ = std::min(high + kMargin, 32000);
  const int doorLow = s.objX[0] - kDoorHalfWidth + 1;
  const int doorHigh = s.objX[0] + kDoorHalfWidth - 1;
  const int width = right_ - left_ + 1;
  frames_.assign(static_cast<std::size_t>(width) * kSpeeds, kUnknown);

  // Backwards from the door: a state gets n + 1 when one of its next states has n. States
  // from which a frame can end past the table's edge get 1, as nothing is known out there.
  const auto carries = [&](int x) { return x >= carryLow && x <= carryHigh ? carry : 0; };
  std::vector<int> frontier;
  for (int x = left_; x <= right_; ++x) {
    const int reach = carries(x) + kMaxRunSpeed;
    for (int velX = -kMaxRunSpeed; velX <= kMaxRunSpeed; ++velX) {
      const int c = carries(x);
      bool door = x - reach <= left_ || x + reach >= right_;
      for (int next = std::max(velX - 1, -kMaxRunSpeed);
           !door && next <= std::min(velX + 1, kMaxRunSpeed); ++next) {
        // The frame ends anywhere from x - c + min(next, 0) to x + c + max(next, 0).
        const int from = x - c + std::min(next, 0);
        const int to = x + c + std::max(next, 0);
        door = from <= doorHigh && to >= doorLow;
      }
      if (door) {
        frames_[Index(x, velX)] = 1;
        frontier.push_back(Index(x, velX));
      }
    }
  }
  for (uint16_t n = 1; !frontier.empty(); ++n) {
    std::vector<int> earlier;
    for (const int at : frontier) {
      const int x = left_ + at / kSpeeds;
      const int next = at % kSpeeds - kMaxRunSpeed;
      // Which states reach (x, next) in one frame: velX was next - 1, next or next + 1, and the
      // frame moved the player by a carry within the allowed one plus next or nothing.
      for (int velX = std::max(next - 1, -kMaxRunSpeed); velX <= std::min(next + 1, kMaxRunSpeed);
           ++velX) {
        for (const int move : {next, 0}) {
          for (int c = -carry; c <= carry; ++c) {
            const int from = x - move - c;
            if (from < left_ || from > right_ || std::abs(c) > carries(from)) continue;
            const int index = Index(from, velX);
            if (frames_[index] != kUnknown) continue;
            frames_[index] = static_cast<uint16_t>(n + 1);
            earlier.push_back(index);
          }
          if (next == 0) break;
        }
      }
    }
    frontier.swap(earlier);
  }
}

int DoorBound::Index(int x, int velX) const { return (x - left_) * kSpeeds + velX + kMaxRunSpeed; }

int DoorBound::FramesLeft(const GameState& s) const {
  if (s.playerX < left_ || s.playerX > right_) return 1;
  const uint16_t n = frames_[Index(s.playerX, s.velX)];
  return n == kUnknown ? 1 : n;
}

}  // namespace ursa::route
