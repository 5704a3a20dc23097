// The door bounds: the fewest frames in a looser game where only sideways motion counts, worked
// out once per stage over every x and horizontal speed, backwards from the door.
#include "tools/ursa-route/optimal_bound.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <tuple>
#include <utility>

#include "game/player_motion.hpp"
#include "game/stage_objects.hpp"
#include "game/surface_contact.hpp"

namespace ursa::route {

namespace {

constexpr int kSpeeds = 2 * kMaxRunSpeed + 1;
constexpr uint16_t kUnknown = std::numeric_limits<uint16_t>::max();
// The tables reach this far beyond everything the stage holds; further out the bounds are one.
constexpr int kMargin = 1500;
constexpr int kDoorHalfWidth = 50;
constexpr int kDoorReachBelow = 100;
constexpr double kInfinity = 1e9;
// A state that cannot reach the door at all, as far as the bound can tell.
constexpr int kUnreachable = 1 << 20;

// The fewest whole frames that take at least `frames` (which may carry rounding error).
int WholeFrames(double frames) {
  if (frames >= kInfinity / 2) return kUnreachable;
  return std::max(1, static_cast<int>(std::ceil(frames - 1e-6)));
}

// The x the tables cover: everything the stage holds, where its moving platforms go, and a
// margin.
std::pair<int, int> TableSpan(const GameState& s) {
  int low = s.objX[0];
  int high = s.objX[0];
  for (int i = 0; i < kBlockCount; ++i) {
    low = std::min(low, s.blockX[i] - kBlockFootprint.halfWidth);
    high = std::max(high, s.blockX[i] + kBlockFootprint.halfWidth);
  }
  for (int i = 0; i < kObjectCount; ++i) {
    if (s.objKind[i] == kKindNone) continue;
    int from = s.objX[i];
    int to = s.objX[i];
    if (s.objKind[i] == kKindBlock2) {
      from = std::min({from, static_cast<int>(s.objLimitA[i]), static_cast<int>(s.objLimitB[i])});
      to = std::max({to, static_cast<int>(s.objLimitA[i]), static_cast<int>(s.objLimitB[i])});
    }
    low = std::min(low, from - kBlockFootprint.halfWidth);
    high = std::max(high, to + kBlockFootprint.halfWidth);
  }
  return {std::max(low - kMargin, -32000), std::min(high + kMargin, 32000)};
}

// Lowers each cost in [from, to] to a neighbour's plus `step` per unit of x between them.
void Spread(std::vector<double>& cost, double step, int from, int to) {
  for (int x = from + 1; x <= to; ++x) cost[x] = std::min(cost[x], cost[x - 1] + step);
  for (int x = to - 1; x >= from; --x) cost[x] = std::min(cost[x], cost[x + 1] + step);
}

}  // namespace

// The looser game allows every move the rules allow, and more. Per frame, in the order of the
// rules:
// - the object pass may carry the player sideways, by at most the sum of all moving platforms'
//   speeds, and only where the player is within that sum of the stretch some moving platform
//   covers; nothing else in the object and block passes moves the player sideways;
// - the horizontal input changes velX by -1, 0 or +1 within -15..15 (input and friction never
//   do more);
// - the horizontal move adds velX, or nothing below the height where the player only falls;
// - the door test needs x strictly within 50 of the door's x; height and the jump key are left
//   free. An object is touched only with the feet within 50 of its x in an object pass.
// A route of n frames in the real game is a route of n frames in the looser one, so the looser
// game's fewest frames never exceed the real ones.
DoorBound::DoorBound(const GameState& s, const std::vector<int>& touched) {
  carryLow_ = std::numeric_limits<int>::max();
  carryHigh_ = std::numeric_limits<int>::min();
  for (int i = 0; i < kObjectCount; ++i) {
    if (s.objKind[i] != kKindBlock2) continue;
    carry_ += std::abs(s.objVel[i]);
    carryLow_ = std::min({carryLow_, s.objX[i] - kBlockFootprint.halfWidth,
                          s.objLimitA[i] - kBlockFootprint.halfWidth,
                          s.objLimitB[i] - kBlockFootprint.halfWidth});
    carryHigh_ = std::max({carryHigh_, s.objX[i] + kBlockFootprint.halfWidth,
                           s.objLimitA[i] + kBlockFootprint.halfWidth,
                           s.objLimitB[i] + kBlockFootprint.halfWidth});
  }
  carryLow_ -= carry_;
  carryHigh_ += carry_;
  std::tie(left_, right_) = TableSpan(s);
  const std::size_t cells = static_cast<std::size_t>(right_ - left_ + 1) * kSpeeds;

  // One frame from (x, velX) ends anywhere from x - carry + min(next, 0) to
  // x + carry + max(next, 0), for a next velX within one of velX.
  std::vector<uint16_t> door(cells, kUnknown);
  const int doorLow = s.objX[0] - kDoorHalfWidth + 1;
  const int doorHigh = s.objX[0] + kDoorHalfWidth - 1;
  for (int x = left_; x <= right_; ++x) {
    const int c = x >= carryLow_ && x <= carryHigh_ ? carry_ : 0;
    for (int velX = -kMaxRunSpeed; velX <= kMaxRunSpeed; ++velX) {
      const int from = x - c + std::min(velX - 1, 0);
      const int to = x + c + std::max(velX + 1, 0);
      // Nothing is known beyond the tables' edge: a frame that may end there costs one.
      if ((from <= doorHigh && to >= doorLow) || from <= left_ || to >= right_) {
        door[Index(x, velX)] = 1;
      }
    }
  }
  door_ = Backwards(std::move(door));

  // Touching an object first, then on to the door: from a state with the feet over the object
  // the door's own bound, from elsewhere one frame more than from a next state.
  for (const int i : touched) {
    std::vector<uint16_t> costs(cells, kUnknown);
    const int from = std::max(left_, s.objX[i] - kSinkerFootprint.halfWidth);
    const int to = std::min(right_, s.objX[i] + kSinkerFootprint.halfWidth);
    for (int x = from; x <= to; ++x) {
      for (int velX = -kMaxRunSpeed; velX <= kMaxRunSpeed; ++velX) {
        costs[Index(x, velX)] = door_[Index(x, velX)];
      }
    }
    for (int velX = -kMaxRunSpeed; velX <= kMaxRunSpeed; ++velX) {
      for (int x = left_; x < left_ + kMaxRunSpeed + carry_ + 1; ++x) costs[Index(x, velX)] = 1;
      for (int x = right_ - kMaxRunSpeed - carry_ - 1; x <= right_; ++x) {
        costs[Index(x, velX)] = 1;
      }
    }
    touching_.push_back(Backwards(std::move(costs)));
  }
  BuildSurfaceBound(s, touched);
}

// Fills in every cost as one more than the least cost of a next state, where that is lower than
// the cost given: a search backwards through the looser game's moves, cheapest first.
std::vector<uint16_t> DoorBound::Backwards(std::vector<uint16_t> costs) const {
  std::vector<std::vector<int>> queue;
  for (std::size_t at = 0; at < costs.size(); ++at) {
    if (costs[at] == kUnknown) continue;
    if (queue.size() <= costs[at]) queue.resize(costs[at] + 1U);
    queue[costs[at]].push_back(static_cast<int>(at));
  }
  for (std::size_t cost = 0; cost < queue.size(); ++cost) {
    for (std::size_t k = 0; k < queue[cost].size(); ++k) {
      const int at = queue[cost][k];
      if (costs[at] != cost) continue;  // met again later at a lower cost
      const int x = left_ + at / kSpeeds;
      const int next = at % kSpeeds - kMaxRunSpeed;
      // The states that reach (x, next) in one frame: velX was next - 1, next or next + 1, and
      // the frame moved the player by a carry within the allowed one, plus next or nothing.
      for (int velX = std::max(next - 1, -kMaxRunSpeed); velX <= std::min(next + 1, kMaxRunSpeed);
           ++velX) {
        for (const int move : {next, 0}) {
          for (int c = -carry_; c <= carry_; ++c) {
            const int from = x - move - c;
            if (from < left_ || from > right_) continue;
            if (c != 0 && (from < carryLow_ || from > carryHigh_)) continue;
            const int index = Index(from, velX);
            if (costs[index] <= cost + 1) continue;
            costs[index] = static_cast<uint16_t>(cost + 1);
            if (queue.size() <= cost + 1) queue.resize(cost + 2);
            queue[cost + 1].push_back(index);
          }
          if (next == 0) break;
        }
      }
    }
    queue[cost].clear();
    queue[cost].shrink_to_fit();
  }
  return costs;
}

int DoorBound::Index(int x, int velX) const { return (x - left_) * kSpeeds + velX + kMaxRunSpeed; }

int DoorBound::Look(const std::vector<uint16_t>& table, const GameState& s) const {
  if (s.playerX < left_ || s.playerX > right_) return 1;
  const uint16_t n = table[Index(s.playerX, s.velX)];
  return n == kUnknown ? 1 : n;
}

int DoorBound::FramesLeft(const GameState& s) const {
  return std::max(Look(door_, s), SurfaceFrames(s));
}

int DoorBound::FramesLeftTouching(std::size_t k, const GameState& s) const {
  const Surface& platform = touchedSurface_[k];
  const int away = std::max({0, platform.left - s.playerX, s.playerX - platform.right});
  const double frames = away / fastest_ + touchedOnward_[k];
  return std::max(Look(touching_[k], s), WholeFrames(frames));
}

// The surface bound looks at heights as well. A route is a chain of landings: on a top, the
// player can rise at most a jump's height above it (406, the sum of the speeds 28 down to 1)
// before it lands again, and it lands on a top only with its feet less than 50 below it (the
// deepest landing band). So from a surface whose highest top is T the player lands next on a
// surface whose lowest top is under T + 456, or goes through the door if T + 406 reaches the
// door's zone. Between landings it moves sideways at most 15 a frame, and along a surface at
// most 15 plus the carry of the platforms there. Spikes, ceilings and timing are left out, so
// the frames along the cheapest chain never exceed a real route's.
std::vector<DoorBound::Surface> DoorBound::Surfaces(const GameState& s,
                                                    std::vector<int>& sinkerSurface) {
  std::vector<Surface> surfaces;
  std::vector<std::pair<int, int>> blocks;  // top, x
  for (int i = 0; i < kBlockCount; ++i)
    blocks.emplace_back(s.blockY[i] + kBlockFootprint.top, s.blockX[i]);
  std::sort(blocks.begin(), blocks.end());
  for (const auto& [top, x] : blocks) {
    const int left = x - kBlockFootprint.halfWidth;
    const int right = x + kBlockFootprint.halfWidth;
    if (!surfaces.empty() && surfaces.back().lowestTop == top && surfaces.back().right >= left) {
      surfaces.back().right = std::max(surfaces.back().right, right);
    } else {
      surfaces.push_back({left, right, top, top, 1.0 / kMaxRunSpeed});
    }
  }
  sinkerSurface.assign(kObjectCount, -1);
  for (int i = 0; i < kObjectCount; ++i) {
    if (s.objKind[i] == kKindBlock2) {
      // Every moving platform at the same height may carry the player in one frame.
      int carry = 0;
      for (int j = 0; j < kObjectCount; ++j) {
        if (s.objKind[j] == kKindBlock2 && s.objY[j] == s.objY[i]) carry += std::abs(s.objVel[j]);
      }
      const int top = s.objY[i] + kBlockFootprint.top;
      surfaces.push_back(
          {std::min({s.objX[i], s.objLimitA[i], s.objLimitB[i]}) - kBlockFootprint.halfWidth,
           std::max({s.objX[i], s.objLimitA[i], s.objLimitB[i]}) + kBlockFootprint.halfWidth, top,
           top, 1.0 / (kMaxRunSpeed + carry)});
    } else if (s.objKind[i] == kKindBlock3) {
      sinkerSurface[i] = static_cast<int>(surfaces.size());
      surfaces.push_back(
          {s.objX[i] - kSinkerFootprint.halfWidth, s.objX[i] + kSinkerFootprint.halfWidth,
           kSinkFloor + kSinkerFootprint.top,
           std::max({s.objY[i], s.objLimitA[i], s.objLimitB[i]}) + kSinkerFootprint.top,
           1.0 / kMaxRunSpeed});
    }
  }
  return surfaces;
}

void DoorBound::BuildSurfaceBound(const GameState& s, const std::vector<int>& touched) {
  std::vector<int> sinkerSurface;
  const std::vector<Surface> surfaces = Surfaces(s, sinkerSurface);
  fastest_ = kMaxRunSpeed;
  for (const Surface& surface : surfaces) fastest_ = std::max(fastest_, 1.0 / surface.frame);

  const int width = right_ - left_ + 1;
  const int doorLow = s.objX[0] - kDoorHalfWidth + 1;
  const int doorHigh = s.objX[0] + kDoorHalfWidth - 1;
  const int doorFloor = s.objY[0] - kDoorReachBelow;  // the feet must be above this
  const auto toDoor = [&](int x) { return std::max({0, doorLow - x, x - doorHigh}); };
  const auto clipped = [&](int x) { return std::clamp(x, left_, right_); };
  constexpr int kLandingBand = kBlockFootprint.top - kBlockFootprint.landingFloor;
  const int rise = kJumpSpeed * (kJumpSpeed + 1) / 2;
  const auto lands = [&](int highest, const Surface& on) {
    return on.lowestTop - kLandingBand < highest + rise;
  };

  // cost[k][x - left_]: frames from standing on surface k at x to the door; kInfinity off it.
  std::vector<std::vector<double>> cost(surfaces.size(), std::vector<double>(width, kInfinity));
  for (std::size_t k = 0; k < surfaces.size(); ++k) {
    const Surface& on = surfaces[k];
    if (on.highestTop + rise <= doorFloor) continue;
    for (int x = clipped(on.left); x <= clipped(on.right); ++x) {
      cost[k][x - left_] = toDoor(x) * std::min(on.frame, 1.0 / kMaxRunSpeed);
    }
  }
  // Relaxed until nothing changes: along each surface, then by a flight to the next.
  std::vector<std::vector<double>> flight(surfaces.size());
  for (bool changed = true; changed;) {
    changed = false;
    for (std::size_t k = 0; k < surfaces.size(); ++k) {
      Spread(cost[k], surfaces[k].frame, clipped(surfaces[k].left) - left_,
             clipped(surfaces[k].right) - left_);
      flight[k] = cost[k];
      Spread(flight[k], 1.0 / kMaxRunSpeed, 0, width - 1);
    }
    for (std::size_t k = 0; k < surfaces.size(); ++k) {
      for (std::size_t next = 0; next < surfaces.size(); ++next) {
        if (!lands(surfaces[k].highestTop, surfaces[next])) continue;
        for (int x = clipped(surfaces[k].left); x <= clipped(surfaces[k].right); ++x) {
          if (flight[next][x - left_] < cost[k][x - left_] - 1e-9) {
            cost[k][x - left_] = flight[next][x - left_];
            changed = true;
          }
        }
      }
    }
  }

  // From a state at height y: the surfaces it can land on next are those whose lowest top is
  // under y + 456, and the door is in reach when y + 406 is above the zone's floor. Each
  // threshold starts a band of heights.
  std::vector<int> floors{doorFloor - rise};
  for (const Surface& on : surfaces) floors.push_back(on.lowestTop - kLandingBand - rise);
  std::sort(floors.begin(), floors.end());
  floors.erase(std::unique(floors.begin(), floors.end()), floors.end());
  for (std::size_t k = 0; k < surfaces.size(); ++k) {
    flight[k] = cost[k];
    Spread(flight[k], 1.0 / fastest_, 0, width - 1);
  }
  for (const int floor : floors) {
    // Heights above `floor` (up to the next threshold) have the same choice.
    std::vector<float> frames(width, static_cast<float>(kInfinity));
    const int height = floor + 1;
    if (height + rise > doorFloor) {
      for (int x = left_; x <= right_; ++x)
        frames[x - left_] = static_cast<float>(toDoor(x) / fastest_);
    }
    for (std::size_t k = 0; k < surfaces.size(); ++k) {
      if (surfaces[k].lowestTop - kLandingBand >= height + rise) continue;
      for (int x = 0; x < width; ++x)
        frames[x] = std::min(frames[x], static_cast<float>(flight[k][x]));
    }
    bandFloor_.push_back(floor);
    bandFrames_.push_back(std::move(frames));
  }

  for (const int i : touched) {
    const int k = sinkerSurface[i];
    double onward = kInfinity;
    for (int x = clipped(surfaces[k].left); x <= clipped(surfaces[k].right); ++x)
      onward = std::min(onward, cost[k][x - left_]);
    touchedOnward_.push_back(static_cast<float>(onward));
    touchedSurface_.push_back(surfaces[k]);
  }
}

int DoorBound::SurfaceFrames(const GameState& s) const {
  if (s.playerX < left_ || s.playerX > right_) return 1;
  // The band of the highest threshold under y.
  const auto band =
      std::lower_bound(bandFloor_.begin(), bandFloor_.end(), static_cast<int>(s.playerY));
  if (band == bandFloor_.begin()) return kUnreachable;
  return WholeFrames(bandFrames_[band - bandFloor_.begin() - 1][s.playerX - left_]);
}

// The door table and one for each touched platform, each with a queue of up to twice its cells
// while it is filled in; the surface bound's two tables of doubles for every surface, and its
// bands of floats.
std::size_t DoorBound::BytesFor(const GameState& start, std::size_t touched) {
  const auto [left, right] = TableSpan(start);
  const auto width = static_cast<std::size_t>(right - left + 1);
  const std::size_t cells = width * kSpeeds;
  std::vector<int> sinkerSurface;
  const std::size_t surfaces = Surfaces(start, sinkerSurface).size();
  const std::size_t tables = cells * sizeof(uint16_t) * (touched + 1) + 2 * cells * sizeof(int);
  const std::size_t surfaceBound =
      surfaces * width * 2 * sizeof(double) + (surfaces + 1) * width * sizeof(float);
  return tables + surfaceBound;
}

std::size_t DoorBound::Bytes() const {
  std::size_t bytes = door_.capacity() * sizeof(uint16_t) + bandFloor_.capacity() * sizeof(int);
  for (const std::vector<uint16_t>& table : touching_) bytes += table.capacity() * sizeof(uint16_t);
  for (const std::vector<float>& band : bandFrames_) bytes += band.capacity() * sizeof(float);
  return bytes;
}

}  // namespace ursa::route
