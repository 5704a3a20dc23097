// WindowHost: RunGame's view of the real window: the play clock, the screens and HUD, the stage
// scene drawn by the retained-mode renderer, the time attack's clock and ghost, the keys.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "app/key_intake.hpp"
#include "app/play_pause.hpp"
#include "app/smooth_pictures.hpp"
#include "app/window_pumps.hpp"
#include "game/game.hpp"
#include "game/game_host.hpp"
#include "view/run_clock.hpp"
#include "view/scene_build.hpp"
#include "view/scene_handles.hpp"

namespace ursa::tk {
class Form1;
}

namespace ursa {

class TimeAttackSession;

class WindowHost final : public GameHost {
 public:
  // `setup` is what every stage's scene is built with.
  WindowHost(tk::Form1& form, view::SceneHandles& handles, view::SceneSetup setup)
      : form_(form), handles_(handles), setup_(std::move(setup)) {}

  // Play time: the window's clock less the time spent paused and the gaps in it.
  int64_t Milliseconds() override { return pause_.Now(); }
  // The pumps between the game's steps, the pause and the pictures between ticks.
  WindowPumps& Pumps() { return pumps_; }
  PlayPause& Pause() { return pause_; }
  const PlayPause& Pause() const { return pause_; }
  SmoothPictures& Smooth() { return smooth_; }
  void SetPictureVisible(bool visible) override;

  void DrawHud(const GameState& s) override;
  void BuildScene(const GameState& s) override;
  void ReleaseScene() override;
  void DrawTitleScreen() override;
  void DrawEndingScreen(GameState& s) override;

  void PlaceObject(const GameState& s, int i) override;
  void TurnPlayer(const GameState& s) override;
  void PlacePlayerAndCamera(const GameState& s) override;
  void AimCameraAndLight(const GameState& s) override;
  void RenderView() override;
  void RenderDeathFrame(const GameState& s) override;

  void FrameEnded(const GameState& s, FrameResult result) override;
  void EndProgram() override;
  std::optional<KeyPress> NextKey(const Game& game) override;
  void KeyTaken(const Game& game, Screen screen, KeyPress key) override;
  // Where the rules take their keys from; must outlive the host.
  void SetKeys(KeyIntake* keys) { keys_ = keys; }

  void RunTimed(const RunTimer& run) override;
  void StageTimed(int stage, int32_t stageFrames, const RunTimer& run) override;
  void DrawTimeAttackEnding(GameState& s, const RunTimer& run) override;
  // The time attack the window keeps (its ghost, bests and recording); must outlive the host.
  void SetTimeAttack(TimeAttackSession* session) { timeAttack_ = session; }

  // Frames of play that started since the program did, as the simulator counts them.
  int64_t FramesRun() const { return framesRun_; }
  // Called at every stage start, before its scene is built.
  void OnStageStart(std::function<void(const GameState&)> hook) { stageStart_ = std::move(hook); }

 private:
  tk::Form1& form_;
  view::SceneHandles& handles_;
  view::SceneSetup setup_;
  PlayPause pause_{form_};
  SmoothPictures smooth_{form_, handles_, pause_,
                         [this](int64_t wakeAtMs) { pumps_.PumpOnce(wakeAtMs); }};
  WindowPumps pumps_{form_, pause_, smooth_, deathDueMs_};
  int64_t framesRun_ = 0;
  KeyIntake* keys_ = nullptr;
  std::function<void(const GameState&)> stageStart_;
  TimeAttackSession* timeAttack_ = nullptr;
  std::optional<view::RunClock> clock_;  // a time attack's clock, made at its first use
  view::RunClock& Clock();
  // A time attack is being played.
  bool InTimeAttack() const;
  int64_t deathStartMs_ = 0;
  int64_t deathDueMs_ = 0;  // when the next death picture may be shown
};

}  // namespace ursa
