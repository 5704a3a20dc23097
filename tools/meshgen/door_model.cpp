// The stage exit: an arched plank door in a stone frame, with a warm glowing window.
// It stands on y = 0, about 116 wide and 208 tall, centred on the door zone.
#include <array>
#include <numbers>
#include <vector>

#include "tools/meshgen/clip.hpp"
#include "tools/meshgen/models.hpp"
#include "tools/meshgen/relief.hpp"
#include "tools/meshgen/shapes.hpp"

namespace ursa::meshgen {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kInner = 44;    // half the opening's width, also the arch's inner radius
constexpr float kOuter = 58;    // outer edge of the stone frame
constexpr float kSpring = 150;  // height where the arch starts
constexpr float kStep = 8;      // top of the door step
constexpr float kFrameFront = -14;
constexpr float kPanelFront = -3;

// The opening: a rectangle with a semicircular top, as a convex outline.
std::vector<Vec3> OpeningOutline() {
  std::vector<Vec3> outline{{-kInner, kStep, 0}, {kInner, kStep, 0}};
  constexpr int kArcSteps = 12;
  for (int i = 0; i <= kArcSteps; ++i) {
    const float a = kPi * static_cast<float>(i) / kArcSteps;
    outline.push_back({kInner * std::cos(a), kSpring + kInner * std::sin(a), 0});
  }
  return outline;
}

}  // namespace

Model MakeDoor() {
  Mesh mesh("DoorMesh");
  const int stone = mesh.AddMaterial(Matte({0.66F, 0.63F, 0.58F, 1}, 0.3F));
  const int darkStone = mesh.AddMaterial(Matte({0.52F, 0.50F, 0.47F, 1}, 0.3F));
  const int woodA = mesh.AddMaterial(Matte({0.58F, 0.34F, 0.16F, 1}, 0.3F));
  const int woodB = mesh.AddMaterial(Matte({0.50F, 0.29F, 0.14F, 1}, 0.3F));
  const int iron = mesh.AddMaterial(Matte({0.20F, 0.19F, 0.20F, 1}, 0.3F));
  Material gold = Matte({0.98F, 0.78F, 0.25F, 1}, 0.35F);
  gold.power = 30;
  gold.specular = {0.9F, 0.85F, 0.6F};
  const int knob = mesh.AddMaterial(gold);
  Material glow = Matte({1.0F, 0.88F, 0.45F, 1}, 0.85F);
  const int window = mesh.AddMaterial(glow);

  AddBevelBox(mesh, {-64, 0, -22}, {64, kStep, 18}, 2, darkStone);
  for (float side : {-1.0F, 1.0F}) {
    const float x0 = side < 0 ? -kOuter : kInner;
    const float x1 = side < 0 ? -kInner : kOuter;
    AddBevelBox(mesh, {x0, kStep, kFrameFront}, {x1, kSpring, 14}, 2, stone);
  }
  // The arch: seven wedge stones, the middle one (the keystone) standing out.
  constexpr int kWedges = 7;
  for (int i = 0; i < kWedges; ++i) {
    const float a0 = kPi * static_cast<float>(i) / kWedges;
    const float a1 = kPi * static_cast<float>(i + 1) / kWedges;
    const float outer = i == kWedges / 2 ? kOuter + 6 : kOuter;
    auto at = [](float r, float a) { return Vec3{r * std::cos(a), kSpring + r * std::sin(a), 0}; };
    const std::array<Vec3, 4> wedge{at(kInner, a0), at(outer, a0), at(outer, a1), at(kInner, a1)};
    const std::vector<Vec3> shrunk = InsetPolygon(wedge, 0.8F);
    AddPrism(mesh, shrunk, kFrameFront - (i == kWedges / 2 ? 2.0F : 0.0F), 14,
             i == kWedges / 2 ? darkStone : stone);
  }

  const std::vector<Vec3> opening = OpeningOutline();
  AddPrism(mesh, opening, kPanelFront, 6, woodB);
  // Four planks across the opening, each cut to the arch.
  for (int p = 0; p < 4; ++p) {
    const float x0 = -kInner + 22.0F * static_cast<float>(p) + 0.8F;
    const std::vector<Vec3> plank = ClipToColumn(opening, x0, x0 + 20.4F);
    AddRelief(mesh, plank, {2.5F, 1.5F, {}}, p % 2 == 0 ? woodA : woodB, {},
              FacingFront(-kPanelFront));
  }
  for (float y : {36.0F, 122.0F}) {
    const std::array<Vec3, 4> band{Vec3{-kInner, y, 0}, Vec3{kInner, y, 0}, Vec3{kInner, y + 8, 0},
                                   Vec3{-kInner, y + 8, 0}};
    AddRelief(mesh, band, {4.5F, 1.5F, {}}, iron, {}, FacingFront(-kPanelFront));
  }
  AddEllipsoid(mesh, {29, 84, kPanelFront - 7}, {5, 5, 4}, 8, 5, knob);
  // A small round window with warm light behind it, ringed in iron.
  std::vector<Vec3> ring;
  std::vector<Vec3> pane;
  for (int i = 0; i < 10; ++i) {
    const float a = 2 * kPi * static_cast<float>(i) / 10;
    ring.push_back({15 * std::cos(a), 166 + 15 * std::sin(a), 0});
    pane.push_back({11 * std::cos(a), 166 + 11 * std::sin(a), 0});
  }
  AddRelief(mesh, ring, {4.0F, 1.0F, {}}, iron, {}, FacingFront(-kPanelFront));
  AddRelief(mesh, pane, {4.5F, 0.5F, {}}, window, {}, FacingFront(-kPanelFront));
  return SingleMeshModel("Door", std::move(mesh));
}

}  // namespace ursa::meshgen
