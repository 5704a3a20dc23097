// Door distances: shortest paths over a small graph of surface ends, joined to the player by
// the arc it can still fly. Reaches come from tables built once by stepping the fall.
#include "tools/ursa-route/door_distance.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "game/player_motion.hpp"
#include "game/stage_layouts.hpp"
#include "game/surface_contact.hpp"

namespace ursa::route {

namespace {

// A top is caught while the feet are less than this below it.
constexpr int kLandingBand = kBlockFootprint.top - kBlockFootprint.landingFloor;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Rises (top above the feet) covered by the reach tables; anything lower is a plain fall.
constexpr int kLowestRise = -4000;
constexpr int kHighestRise = 500;
constexpr int kRises = kHighestRise - kLowestRise + 1;
constexpr int kSpeeds = kJumpSpeed + kMaxFallSpeed + 1;

// Frames of the arc that starts with vertical speed velY, one table row per speed; the jump
// row starts at kJumpSpeed without the gravity of the take-off frame.
class ReachTable {
 public:
  ReachTable() {
    for (int velY = -kMaxFallSpeed; velY <= kJumpSpeed; ++velY) {
      Fill(flight_[velY + kMaxFallSpeed], velY, false);
    }
    Fill(jump_, kJumpSpeed, true);
  }

  int Flight(int velY, int rise) const { return Look(flight_[velY + kMaxFallSpeed], rise); }
  int Jump(int rise) const { return Look(jump_, rise); }

 private:
  using Row = std::array<int, kRises>;

  static int Look(const Row& row, int rise) {
    if (rise > kHighestRise) return -1;
    return row[std::max(rise, kLowestRise) - kLowestRise];
  }

  // row[rise] = the last frame at which the feet are still above that top's landing band.
  static void Fill(Row& row, int velY, bool takeOff) {
    row.fill(-1);
    int y = 0;
    for (int frame = 1; y > kLowestRise - kLandingBand - 2 * kMaxFallSpeed; ++frame) {
      if (!takeOff || frame > 1) velY = std::max(velY - 1, -kMaxFallSpeed);
      y += velY;
      const int highest = std::min(kHighestRise, y + kLandingBand - 1);
      for (int rise = kLowestRise; rise <= highest; ++rise) row[rise - kLowestRise] = frame;
    }
  }

  std::array<Row, kSpeeds> flight_{};
  Row jump_{};
};

const ReachTable& Reaches() {
  static const ReachTable table;
  return table;
}

void AddSurface(std::vector<Surface>& surfaces, int left, int right, int top) {
  surfaces.push_back({left, right, top});
}

std::vector<Surface> Merged(std::vector<Surface> surfaces) {
  std::sort(surfaces.begin(), surfaces.end(), [](const Surface& a, const Surface& b) {
    return a.top != b.top ? a.top < b.top : a.left < b.left;
  });
  std::vector<Surface> merged;
  for (const Surface& s : surfaces) {
    if (!merged.empty() && merged.back().top == s.top && s.left <= merged.back().right) {
      merged.back().right = std::max(merged.back().right, s.right);
    } else {
      merged.push_back(s);
    }
  }
  return merged;
}

double Length(int dx, int dy) { return std::hypot(double(dx), double(dy)); }

// Horizontal distance from x to the nearest point of the surface (0 above it).
int Gap(const Surface& s, int x) { return std::max({0, s.left - x, x - s.right}); }

bool WalksTo(const Surface& s, int x, int y) {
  return s.left <= x && x <= s.right && std::abs(y - s.top) <= 100;
}

}  // namespace

std::vector<Surface> StageSurfaces(const GameState& s) {
  std::vector<Surface> surfaces;
  for (int i = 0; i < kBlockCount; ++i) {
    if (s.blockX[i] == kParkedX) continue;
    const int x = s.blockX[i];
    AddSurface(surfaces, x - kBlockFootprint.halfWidth, x + kBlockFootprint.halfWidth,
               s.blockY[i] + kBlockFootprint.top);
  }
  for (int i = 0; i < kObjectCount; ++i) {
    const int x = s.objX[i];
    const int low = std::min(s.objLimitA[i], s.objLimitB[i]);
    const int high = std::max(s.objLimitA[i], s.objLimitB[i]);
    if (s.objKind[i] == kKindBlock2) {
      AddSurface(surfaces, low - kBlockFootprint.halfWidth, high + kBlockFootprint.halfWidth,
                 s.objY[i] + kBlockFootprint.top);
    } else if (s.objKind[i] == kKindBlock3) {
      AddSurface(surfaces, x - kSinkerFootprint.halfWidth, x + kSinkerFootprint.halfWidth,
                 std::max<int>(high, s.objY[i]) + kSinkerFootprint.top);
    }
  }
  return Merged(surfaces);
}

int JumpReach(int rise) {
  const int frames = Reaches().Jump(rise);
  return frames < 0 ? -1 : frames * kMaxRunSpeed;
}

int FlightReach(int velY, int rise) {
  const int frames = Reaches().Flight(std::clamp(velY, -kMaxFallSpeed, int{kJumpSpeed}), rise);
  return frames < 0 ? -1 : frames * kMaxRunSpeed;
}

DoorDistance::DoorDistance(const GameState& s)
    : surfaces_(StageSurfaces(s)), door_{s.objX[0], s.objY[0]} {
  // Graph nodes: the door, then the left and right end of every surface.
  std::vector<Point> nodes{door_};
  for (const Surface& surface : surfaces_) {
    nodes.push_back({surface.left, surface.top});
    nodes.push_back({surface.right, surface.top});
    holdsDoor_.push_back(WalksTo(surface, door_.x, door_.y));
  }
  // A hop from one node to another: a walk along a shared surface or a running jump.
  auto hop = [&](Point from, Point to) {
    for (const Surface& surface : surfaces_) {
      if (WalksTo(surface, from.x, from.y) && WalksTo(surface, to.x, to.y)) {
        return double(std::abs(to.x - from.x) + std::abs(to.y - from.y));
      }
    }
    const int reach = JumpReach(to.y - from.y);
    if (reach < 0 || std::abs(to.x - from.x) > reach) return kInfinity;
    return Length(to.x - from.x, to.y - from.y);
  };

  // Shortest paths to the door (node 0); a hundred nodes at most, so a plain O(n^2) search.
  const std::size_t n = nodes.size();
  std::vector<double> toDoor(n, kInfinity);
  std::vector<bool> done(n, false);
  toDoor[0] = 0;
  for (std::size_t round = 0; round < n; ++round) {
    std::size_t best = n;
    for (std::size_t i = 0; i < n; ++i) {
      if (!done[i] && toDoor[i] < kInfinity && (best == n || toDoor[i] < toDoor[best])) best = i;
    }
    if (best == n) break;
    done[best] = true;
    for (std::size_t i = 0; i < n; ++i) {
      if (!done[i]) toDoor[i] = std::min(toDoor[i], toDoor[best] + hop(nodes[i], nodes[best]));
    }
  }
  for (std::size_t i = 0; i < surfaces_.size(); ++i) {
    leftToDoor_.push_back(toDoor[1 + 2 * i]);
    rightToDoor_.push_back(toDoor[2 + 2 * i]);
  }
}

int DoorDistance::From(int x, int y, int velY, bool onGround) const {
  auto reach = [&](int rise) { return onGround ? JumpReach(rise) : FlightReach(velY, rise); };
  double best = kInfinity;
  const int doorReach = reach(door_.y - y);
  if (doorReach >= std::abs(door_.x - x)) best = Length(door_.x - x, door_.y - y);
  for (std::size_t i = 0; i < surfaces_.size(); ++i) {
    const Surface& s = surfaces_[i];
    const int gap = Gap(s, x);
    const int surfaceReach = reach(s.top - y);
    if (surfaceReach < 0 || surfaceReach < gap) continue;
    // Land on the nearest point of the surface, then walk to the door or to an end.
    const int landX = std::clamp(x, s.left, s.right);
    double onward = std::min(std::abs(landX - s.left) + leftToDoor_[i],
                             std::abs(s.right - landX) + rightToDoor_[i]);
    if (holdsDoor_[i]) onward = std::min(onward, double(std::abs(landX - door_.x)));
    best = std::min(best, Length(landX - x, s.top - y) + onward);
  }
  return best < kUnreachable ? static_cast<int>(best) : kUnreachable;
}

}  // namespace ursa::route
