// Renders the game's own meshes offscreen through the retained-mode layer, lit the way the
// game lights them: one white directional light from above and in front, no ambient light.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "view/rm/image.hpp"
#include "view/rm/math.hpp"

namespace ursa::screengen {

struct Placement {
  std::string file;  // a mesh file name in the asset directory
  rm::Vec3 position;
  rm::Vec3 direction{0, 0, 1};    // where the model's +z turns to
  bool animated = false;          // loaded as an animation set (the bear)
  float time = 0;                 // its pose
  std::optional<rm::Vec3> color;  // a SetColorRGB on the mesh
  bool headOnly = false;          // the bear's head without the rest of it (the icon)
};

// A static mesh at a position, and the animated bear turned to `direction` at a pose.
Placement MeshAt(std::string file, rm::Vec3 position);
Placement BearAt(rm::Vec3 position, rm::Vec3 direction, float time);

struct Shot {
  int width = 400, height = 300;
  rm::Vec3 camera{0, 250, -1250};
  rm::Vec3 target{0, 0, 0};
  rm::Vec3 light{0, 500, -400};  // where the light stands; it aims at `target`
  std::vector<Placement> items;
};

// The game's view of a point: camera 250 above and 1250 in front, light 500 above and 400
// in front, both aimed at it.
Shot GameView(rm::Vec3 at, int width, int height);

class ShotRenderer {
 public:
  explicit ShotRenderer(std::string assetDir);
  ~ShotRenderer();
  ShotRenderer(const ShotRenderer&) = delete;
  ShotRenderer& operator=(const ShotRenderer&) = delete;

  // The rendered picture, rows from the top; alpha is 255 where a mesh was drawn and 0 on
  // the cleared (black) background. Materials always glow a little, so nothing drawn is
  // pure black.
  rm::Image Render(const Shot& shot);

 private:
  struct State;
  std::string assetDir_;
  std::unique_ptr<State> state_;
};

}  // namespace ursa::screengen
