// Pictures between two ticks of the game: what moves in a stage (the bear, the camera, the
// light, the platforms and a ghost) placed part of the way from where one tick left it to where the
// next did. Drawing only: the game's rules never see these places.
#pragma once

#include <array>

#include "game/game_state.hpp"
#include "view/rm/rm.hpp"
#include "view/scene_handles.hpp"

namespace ursa::view {

// Where a tick left the moving frames of a stage.
struct StagePose {
  rm::Mat4 player, camera, light;
  std::array<rm::Mat4, kObjectCount> objects;
  rm::Mat4 ghost;  // a time attack's ghost, when the scene has one
};

StagePose TakePose(const SceneHandles& h);

// Places the moving frames a share `t` (0 to 1) of the way from `from` to `to`: t = 0 is
// `from` exactly, t = 1 is `to` exactly. Something that jumped further than anything moves
// in a tick (the camera dropping to look down on a fall, a platform put away) is not moved
// between: it shows `to`. A camera or light that turned between the ticks is aimed at the
// bear's place in between, as the ticks aim it.
void PlaceBetween(SceneHandles& h, const StagePose& from, const StagePose& to, float t);

}  // namespace ursa::view
