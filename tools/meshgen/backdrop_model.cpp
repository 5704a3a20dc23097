// One tile of the rubble wall behind every stage: irregular stones in dark mortar.
// Stones follow a jittered lattice that repeats every 750 units and are cut at the tile's
// edges, so tiles laid side by side continue each other's stones without a seam.
// The stages lay 12 by 4 tiles; past the laid wall's edges the side camera still sees a
// little (a bear that ran off the first or last block, a stage's first picture), so each
// tile also carries copies of itself one whole laid wall away to the sides, below and above.
// Together the copies continue the wall around the laid one, and the renderer leaves out
// every copy that lies outside the view: away from the edges they cost nothing.
#include <array>
#include <span>
#include <vector>

#include "tools/meshgen/clip.hpp"
#include "tools/meshgen/models.hpp"
#include "tools/meshgen/relief.hpp"
#include "tools/meshgen/rng.hpp"
#include "tools/meshgen/shapes.hpp"

namespace ursa::meshgen {
namespace {

constexpr float kHalf = 375;
constexpr int kCells = 6;  // stones per row and per column of a tile
constexpr float kCell = 2 * kHalf / kCells;
constexpr uint64_t kSeed = 0x5EED;
constexpr float kLaidWidth = 12 * 2 * kHalf;  // the wall the stages lay, 12 by 4 tiles
constexpr float kLaidHeight = 4 * 2 * kHalf;

int Wrap(int i) { return ((i % kCells) + kCells) % kCells; }

// Lattice corner (i, j); the jitter repeats with the tile.
Vec3 Corner(int i, int j) {
  const float jx = (LatticeNoise(Wrap(i), Wrap(j), kSeed) - 0.5F) * 0.55F * kCell;
  const float jy = (LatticeNoise(Wrap(i), Wrap(j), kSeed + 1) - 0.5F) * 0.45F * kCell;
  return {-kHalf + kCell * static_cast<float>(i) + jx, -kHalf + kCell * static_cast<float>(j) + jy,
          0};
}

Rgba StoneColor(Rng& rng) {
  const Rgba grey{0.40F, 0.38F, 0.36F, 1};
  const Rgba brown{0.45F, 0.36F, 0.28F, 1};
  const Rgba dark{0.27F, 0.25F, 0.23F, 1};
  Rgba c = Mix(grey, brown, rng.Unit());
  if (rng.Unit() < 0.25F) {
    c = Mix(c, dark, 0.6F);
  }
  return Scale(c, rng.Range(0.9F, 1.05F));
}

// A stone as a low pillow: a fan from a bright middle to darker corners, darkest away from
// the light (which comes from above and in front), so it reads as rounded without the cost
// of real bevels on 48 tiles.
void AddStone(Mesh& mesh, std::span<const Vec3> outline, Rgba color, float bulge, int material) {
  Vec3 centre{0, 0, 0};
  for (const Vec3& p : outline) {
    centre = centre + p;
  }
  centre = centre * (1.0F / static_cast<float>(outline.size()));
  const Vec3 down{0, -1, 0};
  const Vec3 front{0, 0, -1};
  const int middle = mesh.AddVertex({centre + front * bulge, front, Scale(color, 1.12F)});
  std::vector<int> ring;
  for (const Vec3& p : outline) {
    const Vec3 out = Normalize(p - centre);
    // Corners facing down into the shade are darker than those facing the light.
    const float shade = 0.72F - 0.16F * Dot(out, down);
    ring.push_back(mesh.AddVertex({p + front * (bulge * 0.3F), front, Scale(color, shade)}));
  }
  for (size_t i = 0; i < ring.size(); ++i) {
    mesh.AddTriangle(middle, ring[i], ring[(i + 1) % ring.size()], material, front);
  }
}

// `mesh` under another name, moved by `offset`.
Mesh Moved(const Mesh& mesh, std::string name, Vec3 offset) {
  Mesh moved(std::move(name), mesh.VertexColors());
  for (const Material& m : mesh.Materials()) moved.AddMaterial(m);
  for (const Vertex& v : mesh.Vertices()) moved.AddVertex({v.position + offset, v.normal, v.color});
  const auto& v = mesh.Vertices();
  for (const Triangle& t : mesh.Triangles()) {
    moved.AddTriangle(t.a, t.b, t.c, t.material,
                      Cross(v[t.b].position - v[t.a].position, v[t.c].position - v[t.a].position));
  }
  return moved;
}

}  // namespace

Model MakeBackdrop() {
  Mesh stones("BackdropMesh", /*vertexColors=*/true);
  const int material = stones.AddMaterial(VertexColored({0.08F, 0.07F, 0.065F}));
  const std::array<Vec3, 4> wall{Vec3{-kHalf, -kHalf, 0}, Vec3{kHalf, -kHalf, 0},
                                 Vec3{kHalf, kHalf, 0}, Vec3{-kHalf, kHalf, 0}};
  stones.AddFace(wall, material, {0.15F, 0.13F, 0.12F, 1}, {0, 0, 1});
  // One ring of cells beyond the tile supplies the parts of stones that straddle its edges.
  for (int j = -1; j <= kCells; ++j) {
    for (int i = -1; i <= kCells; ++i) {
      Rng rng(kSeed * 977 + static_cast<uint64_t>(Wrap(j) * kCells + Wrap(i)));
      const std::array<Vec3, 4> cell{Corner(i, j), Corner(i + 1, j), Corner(i + 1, j + 1),
                                     Corner(i, j + 1)};
      const std::vector<Vec3> outline = InsetPolygon(cell, 3.0F);
      const Rgba color = StoneColor(rng);
      AddStone(stones, outline, color, rng.Range(6, 12), material);
    }
  }
  const Mesh tile = ClipToRectangle(stones, {-kHalf, -kHalf, 0}, {kHalf, kHalf, 0});
  Frame frame{"Backdrop", Mat4{}, {tile}, {}};
  // Above the laid wall only straight up: no jump reaches the top corners' sight.
  struct Beyond {
    const char* name;
    int column, row;
  };
  constexpr Beyond kCopies[] = {{"BeyondLeft", -1, 0},       {"BeyondRight", 1, 0},
                                {"BeyondBelow", 0, -1},      {"BeyondLowerLeft", -1, -1},
                                {"BeyondLowerRight", 1, -1}, {"BeyondAbove", 0, 1}};
  for (const Beyond& copy : kCopies) {
    const Vec3 offset{kLaidWidth * static_cast<float>(copy.column),
                      kLaidHeight * static_cast<float>(copy.row), 0};
    frame.meshes.push_back(Moved(tile, copy.name, offset));
  }
  return Model{{std::move(frame)}, std::nullopt};
}

}  // namespace ursa::meshgen
