// The timed bound: backwards from the last frame allowed, for every x and frame, how much air a
// player needs left to reach the door in time, with the moving platforms where they then are.
#include "tools/ursa-route/timed_bound.hpp"

#include <algorithm>
#include <cstdlib>
#include <deque>

#include "game/null_host.hpp"
#include "game/player_motion.hpp"
#include "game/stage_objects.hpp"
#include "game/surface_contact.hpp"

namespace ursa::route {

namespace {

constexpr uint8_t kNever = 255;
constexpr int kMargin = 1500;
constexpr int kDoorHalfWidth = 50;
constexpr int kDoorReachBelow = 100;
constexpr int kLandingBand = kBlockFootprint.top - kBlockFootprint.landingFloor;
// What the heap keeps beside each row it hands out.
constexpr std::size_t kRowOverhead = 16;

// Frames after standing at `top` (and jumping at once, which keeps it up longest) during which
// the feet stay above `floor`.
int AirAfter(int top, int floor) {
  int y = top + kJumpSpeed;
  int velY = kJumpSpeed;
  int frames = 0;
  while (y > floor && frames < kNever - 1) {
    ++frames;
    velY = std::max(velY - 1, -kMaxFallSpeed);
    y += velY;
  }
  return frames;
}

// For each x, the least of row[x - r .. x + r], r being `reach`, or `wideReach` where `wide`
// is set.
std::vector<uint8_t> WindowLeast(const std::vector<uint8_t>& row, int reach,
                                 const std::vector<uint8_t>& wide, int wideReach) {
  const int width = static_cast<int>(row.size());
  std::vector<uint8_t> least(row.size(), kNever);
  for (const bool wideOnes : {false, true}) {
    const int r = wideOnes ? wideReach : reach;
    std::deque<int> window;  // indexes of increasing values
    int next = 0;
    for (int x = 0; x < width; ++x) {
      while (next < width && next <= x + r) {
        while (!window.empty() && row[window.back()] >= row[next]) window.pop_back();
        window.push_back(next++);
      }
      while (window.front() < x - r) window.pop_front();
      if (wideOnes == (wide[x] != 0)) least[x] = row[window.front()];
    }
  }
  return least;
}

// What the tables span: the stage's x from its lowest to its highest reach, the lowest top to
// land on, and the sum of the moving platforms' speeds.
struct Extent {
  int low = 0;
  int high = 0;
  int lowestTop = 0;
  int carry = 0;
};

Extent ExtentOf(const GameState& s) {
  Extent e{s.objX[0], s.objX[0], s.objY[0] - kDoorReachBelow + kLandingBand, 0};
  for (int i = 0; i < kBlockCount; ++i) {
    e.low = std::min(e.low, s.blockX[i] - kBlockFootprint.halfWidth);
    e.high = std::max(e.high, s.blockX[i] + kBlockFootprint.halfWidth);
    e.lowestTop = std::min(e.lowestTop, s.blockY[i] + kBlockFootprint.top);
  }
  for (int i = 0; i < kObjectCount; ++i) {
    if (s.objKind[i] == kKindBlock2) {
      e.low = std::min({e.low, s.objLimitA[i] - 75, s.objLimitB[i] - 75, s.objX[i] - 75});
      e.high = std::max({e.high, s.objLimitA[i] + 75, s.objLimitB[i] + 75, s.objX[i] + 75});
      e.lowestTop = std::min(e.lowestTop, s.objY[i] + kBlockFootprint.top);
      e.carry += std::abs(s.objVel[i]);
    } else if (s.objKind[i] == kKindBlock3) {
      e.lowestTop = std::min(e.lowestTop, kSinkFloor + kSinkerFootprint.top);
    }
  }
  return e;
}

}  // namespace

// The looser game, frame by frame: a player whose feet are over a top in the object and block
// passes of a frame may stand there (a block, a sinking platform, a moving platform where it
// then is, whatever the heights); one that does not has one frame of air less, and one with
// none left has fallen below everything it could land on and below the door. Standing on a top
// gives as much air as a jump from it allows (the highest a sinking platform reaches counts).
// Sideways the player moves 15 a frame, plus the sum of all platforms' speeds where a moving
// platform is near. The door takes a frame that ends within 50 of its x. Every real route is a
// route of the looser game.
TimedBound::TimedBound(const GameState& s, int lastFrame) : start_(s), lastFrame_(lastFrame) {
  const Extent extent = ExtentOf(s);
  const int carry = extent.carry;
  left_ = extent.low - kMargin;
  width_ = extent.high + kMargin - left_ + 1;
  // A player at or below the fall limit has missed.
  floor_ = std::max(extent.lowestTop - kLandingBand, kFallLimit);
  const auto air = [&](int top) {
    return static_cast<uint8_t>(std::min(AirAfter(top, floor_), kNever - 2));
  };

  // Footing and moving platforms frame by frame; frame t's passes see the objects after t
  // moves. A player far outside the stage only moves them.
  GameState objects = s;
  objects.playerX = 30000;
  objects.playerY = 30000;
  NullHost host;
  std::vector<std::vector<uint8_t>> carried;
  for (int t = 0; t <= lastFrame + 1; ++t) {
    std::vector<uint8_t> footing(width_, 0);
    std::vector<uint8_t> moving(width_, 0);
    const auto mark = [&](std::vector<uint8_t>& row, int from, int to, uint8_t value) {
      for (int x = std::max(from, left_); x <= std::min(to, left_ + width_ - 1); ++x) {
        row[x - left_] = std::max(row[x - left_], value);
      }
    };
    for (int i = 0; i < kBlockCount; ++i) {
      mark(footing, objects.blockX[i] - kBlockFootprint.halfWidth,
           objects.blockX[i] + kBlockFootprint.halfWidth,
           air(objects.blockY[i] + kBlockFootprint.top));
    }
    for (int i = 0; i < kObjectCount; ++i) {
      if (objects.objKind[i] == kKindBlock3) {
        // Any height it can have, the highest counting.
        const int top =
            std::max({s.objY[i], s.objLimitA[i], s.objLimitB[i]}) + kSinkerFootprint.top;
        mark(footing, objects.objX[i] - kSinkerFootprint.halfWidth,
             objects.objX[i] + kSinkerFootprint.halfWidth, air(top));
      } else if (objects.objKind[i] == kKindBlock2) {
        // Where it is in this frame's pass, and a carry's reach around it.
        mark(footing, objects.objX[i] - kBlockFootprint.halfWidth,
             objects.objX[i] + kBlockFootprint.halfWidth,
             air(objects.objY[i] + kBlockFootprint.top));
        mark(moving, objects.objX[i] - kBlockFootprint.halfWidth - carry,
             objects.objX[i] + kBlockFootprint.halfWidth + carry, 1);
      }
    }
    footing_.push_back(std::move(footing));
    carried.push_back(std::move(moving));
    ObjectPass(objects, host);
  }

  // Backwards from the last frame: after lastFrame frames nothing is in time.
  const int doorLow = s.objX[0] - kDoorHalfWidth + 1 - left_;
  const int doorHigh = s.objX[0] + kDoorHalfWidth - 1 - left_;
  need_.assign(static_cast<std::size_t>(lastFrame) + 1, std::vector<uint8_t>(width_, kNever));
  for (int t = lastFrame - 1; t >= 0; --t) {
    // Frame t + 1 ends at x'; there the player needs need_[t + 1][x'] air, or none at the door.
    std::vector<uint8_t> after = need_[t + 1];
    for (int x = std::max(doorLow, 0); x <= std::min(doorHigh, width_ - 1); ++x) after[x] = 0;
    const std::vector<uint8_t> least =
        WindowLeast(after, kMaxRunSpeed, carried[t + 1], kMaxRunSpeed + carry);
    std::vector<uint8_t>& row = need_[t];
    for (int x = 0; x < width_; ++x) {
      const uint8_t m = least[x];
      if (m == kNever) continue;
      // With footing in frame t + 1 the air is topped up to what a jump from there gives.
      const uint8_t jump = footing_[t + 1][x];
      row[x] = jump != 0 && m <= jump ? 0 : static_cast<uint8_t>(m + 1);
    }
  }
}

int TimedBound::AirLeft(const GameState& s) const {
  // Frames the player can still fall before its feet are at or below the floor, plus one in
  // case it stands now; no jump is possible before it stands again. Once the fall has reached
  // its top speed the rest is a division.
  if (s.playerY <= floor_) return -1;
  int y = s.playerY;
  int velY = s.velY;
  int frames = 0;
  while (y > floor_ && velY > -kMaxFallSpeed) {
    ++frames;
    velY = std::max(velY - 1, -kMaxFallSpeed);
    y += velY;
  }
  if (y > floor_) frames += (y - floor_ + kMaxFallSpeed - 1) / kMaxFallSpeed;
  return std::min(frames + 1, kNever - 1);
}

bool TimedBound::InTime(const GameState& s, int frames) const {
  if (frames > lastFrame_) return false;
  const int x = s.playerX - left_;
  if (x < 0 || x >= width_) return true;
  const uint8_t need = need_[frames][x];
  if (need == kNever) return false;
  return AirLeft(s) >= need;
}

int TimedBound::FewestFrames(const GameState& start, int limit) {
  // Whether the start is in time grows with the frames allowed: the fewest by halving.
  int low = 1;
  int high = limit;
  while (low < high) {
    const int middle = (low + high) / 2;
    if (TimedBound(start, middle).InTime(start, 0)) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

// A row is a vector of its own: its bytes, its header and what the heap keeps beside it.
std::size_t TimedBound::Bytes() const {
  std::size_t bytes = 0;
  for (const auto* table : {&footing_, &need_}) {
    bytes += table->capacity() * sizeof(std::vector<uint8_t>);
    for (const std::vector<uint8_t>& row : *table) bytes += row.capacity() + kRowOverhead;
  }
  return bytes;
}

// While it is worked out the bound holds footing_, carried and need_, a row each frame from the
// first to one past lastFrame, and a few rows more.
std::size_t TimedBound::BytesFor(const GameState& start, int lastFrame) {
  const Extent extent = ExtentOf(start);
  const auto width = static_cast<std::size_t>(extent.high - extent.low + 2 * kMargin + 1);
  const auto rows = static_cast<std::size_t>(lastFrame) + 2;
  return 3 * rows * (width + sizeof(std::vector<uint8_t>) + kRowOverhead) + 4 * width;
}

}  // namespace ursa::route
