// GameWindow: the game's one window and its events. It owns the window, the game state and
// the renderer handles; Load, KeyDown, KeyUp and QueryUnload are the game's only entry points.
#pragma once

#include <string>

#include "app/window_display.hpp"
#include "app/window_host.hpp"
#include "game/game.hpp"
#include "toolkit/form1.hpp"
#include "toolkit/random.hpp"
#include "view/scene_handles.hpp"

namespace ursa {

class GameWindow final : public tk::FormEvents {
 public:
  // The mesh files and the icon are taken from `dataFolder`; empty means beside the program.
  explicit GameWindow(const tk::FormOptions& options = {}, const std::string& dataFolder = {});

  // Loads the window (start-up) and serves its events until the program ends.
  void Run();

  void Load() override;
  void KeyDown(int keyCode) override;
  void KeyUp(int keyCode) override;
  void QueryUnload() override;

  tk::Form1& Form() { return form_; }
  ursa::Game& Game() { return game_; }
  view::SceneHandles& Handles() { return handles_; }
  WindowHost& Host() { return host_; }

 private:
  // Declared first so it is destroyed last: the renderer's objects need its OpenGL context.
  tk::Form1 form_;
  WindowDisplay display_{form_};
  WindowPicture picture_{form_.Picture1()};
  tk::Random random_;  // the game's generator: never seeded, drawn only by scene builds
  view::SceneHandles handles_;
  ursa::Game game_;
  std::string dataFolder_;
  WindowHost host_;
};

}  // namespace ursa
