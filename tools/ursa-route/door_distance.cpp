// Door distances: shortest paths over a small graph of surface ends, spread onto a grid.
// The estimate is optimistic (mover timing, ceilings and spikes are left to the search).
#include "tools/ursa-route/door_distance.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "game/player_motion.hpp"
#include "game/stage_layouts.hpp"
#include "game/surface_contact.hpp"

namespace ursa::route {

namespace {

// The highest top a jump can still be caught on: the peak plus the landing band.
constexpr int kLandingBand = kBlockFootprint.top - kBlockFootprint.landingFloor;

struct Point {
  int x = 0;
  int y = 0;
};

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

double Length(Point a, Point b) { return std::hypot(double(a.x - b.x), double(a.y - b.y)); }

bool Over(const Surface& s, Point p) {
  return s.left <= p.x && p.x <= s.right && p.y >= s.top - kLandingBand && p.y <= s.top + 100;
}

// Cost of going from `from` (as if standing there) to `to`, or infinity.
double Hop(Point from, Point to, const std::vector<Surface>& surfaces) {
  for (const Surface& s : surfaces) {
    if (Over(s, from) && s.left <= to.x && to.x <= s.right && std::abs(to.y - s.top) <= 100) {
      return std::abs(to.x - from.x) + std::abs(to.y - from.y);
    }
  }
  const int reach = JumpReach(to.y - from.y);
  if (reach < 0 || std::abs(to.x - from.x) > reach) return std::numeric_limits<double>::infinity();
  return Length(from, to);
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
  int y = 0;
  int velY = kJumpSpeed;
  int frames = 0;
  int lastAbove = -1;
  while (velY > 0 || y > rise - kLandingBand) {
    y += velY;
    ++frames;
    if (y > rise - kLandingBand) lastAbove = frames;
    if (velY > -kMaxFallSpeed) --velY;
    if (frames > 400) break;
  }
  return lastAbove < 0 ? -1 : lastAbove * kMaxRunSpeed;
}

DoorDistance::DoorDistance(const GameState& s) {
  const std::vector<Surface> surfaces = StageSurfaces(s);
  const Point door{s.objX[0], s.objY[0]};
  std::vector<Point> nodes{door};
  int left = door.x;
  int right = door.x;
  int top = door.y;
  for (const Surface& surface : surfaces) {
    nodes.push_back({surface.left, surface.top});
    nodes.push_back({surface.right, surface.top});
    left = std::min(left, surface.left);
    right = std::max(right, surface.right);
    top = std::max(top, surface.top);
  }

  // Shortest paths to the door (node 0); a few hundred nodes at most, so a plain O(n^2) search.
  const double inf = std::numeric_limits<double>::infinity();
  const std::size_t n = nodes.size();
  std::vector<double> toDoor(n, inf);
  std::vector<bool> done(n, false);
  toDoor[0] = 0;
  for (std::size_t round = 0; round < n; ++round) {
    std::size_t best = n;
    for (std::size_t i = 0; i < n; ++i) {
      if (!done[i] && toDoor[i] < inf && (best == n || toDoor[i] < toDoor[best])) best = i;
    }
    if (best == n) break;
    done[best] = true;
    for (std::size_t i = 0; i < n; ++i) {
      if (done[i]) continue;
      toDoor[i] = std::min(toDoor[i], toDoor[best] + Hop(nodes[i], nodes[best], surfaces));
    }
  }

  constexpr int kMargin = 800;
  left_ = left - kMargin;
  bottom_ = kFallLimit - 100;
  columns_ = (right + kMargin - left_) / kCell + 1;
  rows_ = (top + kMargin - bottom_) / kCell + 1;
  field_.assign(static_cast<std::size_t>(columns_) * rows_, kUnreachable);
  for (int row = 0; row < rows_; ++row) {
    for (int column = 0; column < columns_; ++column) {
      const Point p{left_ + column * kCell, bottom_ + row * kCell};
      double best = inf;
      for (std::size_t i = 0; i < n; ++i) {
        if (toDoor[i] < inf) best = std::min(best, Hop(p, nodes[i], surfaces) + toDoor[i]);
      }
      if (best < kUnreachable) field_[row * columns_ + column] = static_cast<int>(best);
    }
  }
}

int DoorDistance::At(int x, int y) const {
  const int column = std::clamp((x - left_ + kCell / 2) / kCell, 0, columns_ - 1);
  const int row = (y - bottom_ + kCell / 2) / kCell;
  if (row < 0) return kUnreachable;
  return field_[std::min(row, rows_ - 1) * columns_ + column];
}

}  // namespace ursa::route
