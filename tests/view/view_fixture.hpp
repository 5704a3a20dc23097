// A headless window with the renderer's root and display object, as start-up leaves them,
// for tests of the stage scene, the per-frame view and the screens.
#pragma once

#include <gtest/gtest.h>

#include "toolkit/form1.hpp"
#include "game/game_state.hpp"
#include "game/stage_layouts.hpp"
#include "view/rm/rm.hpp"
#include "view/scene_build.hpp"
#include "view/scene_handles.hpp"

namespace ursa::test {

inline tk::FormOptions HeadlessOptions() {
  tk::FormOptions options;
  options.windowed = true;
  options.present = false;
  return options;
}

class ViewTest : public ::testing::Test {
 protected:
  ViewTest() : form(HeadlessOptions()) {
    h.dxRoot = rm::CreateDirectXRoot(form);
    h.ddraw = h.dxRoot->DirectDrawCreate("");
  }

  // LoadStageLayout, the scene and the player's start, as a stage start makes them.
  void Build(int stage) {
    s.stage = static_cast<int16_t>(stage);
    LoadStageLayout(s);
    BuildScene(h, s, form);
    PlacePlayerAtStart(s);
  }

  tk::Form1 form;
  SceneHandles h;
  GameState s{};
};

}  // namespace ursa::test
