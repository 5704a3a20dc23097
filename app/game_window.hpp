// GameWindow: the game's one window and its events. It owns the window, the game state and
// the renderer handles; Load, KeyDown, KeyUp and QueryUnload are the game's only entry points.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/input_options.hpp"
#include "app/key_intake.hpp"
#include "app/player_input.hpp"
#include "app/recorder.hpp"
#include "app/replay.hpp"
#include "app/settings.hpp"
#include "app/time_attack_records.hpp"
#include "app/time_attack_session.hpp"
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

  // The program's main loop: loads the window (start-up), then steps the game and pumps the
  // window's events between steps until the program ends.
  void Run();
  // The browser's main loop, called once per animation frame: loads the window the first
  // time, then delivers the events that have come and steps the game for as long as it is
  // due, never waiting. Returns false once the program has ended.
  bool StepWithoutWaiting();
  // After StepWithoutWaiting: how long until the game wants its next step, in milliseconds of
  // the window's clock (a screen and a pause are looked at again after kIdleStepMs).
  static constexpr int64_t kIdleStepMs = 10;
  int64_t MillisecondsToNextStep();

  // What a game is played with, as every shell wires it before Run: the player's settings (the
  // keys, the pad, the focus pause, the ghost), and where there are, a replay, a recorder and
  // the time attack's records, each of which must outlive the window. Each key name that
  // cannot be bound is said on `errors`.
  struct Wiring {
    const Settings& settings;
    KeyReplay* replay = nullptr;
    KeyRecorder* recorder = nullptr;
    TimeAttackRecords* records = nullptr;
  };
  void Wire(const Wiring& wiring, std::FILE* errors);

  // The key bindings, the pad's dead zone and the focus pause. Returns the key names that
  // cannot be bound (unknown, or reserved like P and F12); their places keep the default key.
  std::vector<std::string> SetInputOptions(const InputOptions& options);
  // --record: every key that reaches the rules is also written to `recorder`, which must
  // outlive the window, and so is the window's close. Set before Run.
  void SetRecorder(KeyRecorder* recorder);
  // --replay: the keys of `replay` reach the rules at their moments of play, from the title
  // on; the player's game keys are left out until its last one. Set before Run.
  void SetReplay(KeyReplay* replay) { keys_.SetReplay(replay); }
  // Where a time attack's bests and best run are kept (`records` must outlive the window), and
  // whether the best run's ghost runs beside the player; until set, nothing is kept.
  void SetTimeAttackRecords(TimeAttackRecords& records, bool ghost);
  // --time-attack: once the title is up, a time attack starts, as T on the title starts one.
  void StartTimeAttackAtLoad() { timeAttackAtLoad_ = true; }
  // The page: the player's Esc on the title and ending screens does nothing, since a page has
  // nothing to go back to; a replay's Esc there still ends the game, as in ursa-sim.
  void KeepOpenOnScreens() { keys_.KeepOpenOnScreens(); }
  // The window was full screen when start-up ended (a screen may refuse full screen).
  bool StartedFullscreen() const { return startedFullscreen_; }

  void Load() override;
  // The keyboard's game keys; with the pads, they reach the rules through PlayerInput.
  void KeyDown(int keyCode) override;
  void KeyUp(int keyCode) override;
  void QueryUnload() override;
  // Ends the recording as a close does (KeyRecorder::Quit); every way out of the program
  // calls it, a lost display too, after which no destructor runs.
  void EndRecordings();
  void PauseKey() override;
  void FocusChanged(bool focused) override;
  void Pad(const tk::PadEvent& event) override;

  // Frames of play that started since the program did, as the simulator counts them.
  int64_t FramesRun() const { return host_.FramesRun(); }
  bool Paused() const { return host_.Pause().Paused(); }
  // Pictures between ticks at the screen's rate, or every picture a tick (see SmoothPictures).
  void SetSmoothPictures(bool on) { host_.Smooth().SetOn(on); }

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
  // Every key of the keyboard and the pads goes down through input_ into keys_, which the
  // rules take their keys from.
  KeyIntake keys_;
  PlayerInput input_{game_, host_.Pause(), keys_};

  KeyRecorder* recorder_ = nullptr;
  TimeAttackRecords noRecords_{std::string()};
  std::unique_ptr<TimeAttackSession> timeAttack_;
  bool timeAttackAtLoad_ = false;
  bool loaded_ = false;
  StepWait wait_{PumpKind::kAfterFrame};  // what the game's last step asked the browser's loop for
  bool startedFullscreen_ = false;

  // A stage starts: the recordings note it.
  void StageStarted(const GameState& s);
};

}  // namespace ursa
