// ScriptedPlay: the whole game in a headless window on a virtual clock, driven by a list of
// steps that each wait for a moment of play and then act (press keys, take a screenshot).
// The end-to-end tests and the screenshot tool use it; the game itself never links it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/game_window.hpp"
#include "app/replay.hpp"
#include "game/key_script.hpp"
#include "harness/key_injection.hpp"
#include "harness/virtual_clock.hpp"
#include "toolkit/clock.hpp"

namespace ursa::harness {

class ScriptedPlay {
 public:
  struct Step {
    std::string name;
    std::function<bool()> ready;  // is this the moment?
    std::function<void()> act;
  };

  ScriptedPlay();

  GameWindow& Window() { return window_; }
  tk::Form1& Form() { return window_.Form(); }
  ursa::Game& Game() { return window_.Game(); }
  GameState& State() { return window_.Game().state; }
  int64_t Now() { return clock_.Milliseconds(); }
  // Lets time pass, for a loop that steps the window without waiting.
  void Advance(int64_t ms) { clock_.Advance(ms); }
  // The window's next wait with a wake-up time returns `ms` late (the program stopped in it).
  void OversleepNextWait(int64_t ms) { clock_.OversleepNextWait(ms); }

  // Runs the program from start-up, taking at most one step per event pump, until the
  // program ends. When a step's moment has not come within limitMs of virtual time the
  // window is closed. Returns the name of the step never taken, or empty when all were.
  std::string Run(std::vector<Step> steps, int64_t limitMs = 30 * 60 * 1000);

  // Plays a key script as the simulator does: the keys of frame F reach the game through
  // the window's events just before frame F of play runs (frames counted from start-up), at
  // the moments --replay plays them (KeyReplay::Next). Unlike --replay, the player's keys
  // still count and the script does not start the game: a step presses Enter on the title.
  void FeedKeys(std::vector<ScriptEvent> keys) { keys_.emplace(std::move(keys)); }
  bool KeysFed() const { return !keys_ || keys_->Done(); }

  void Press(SDL_Keycode key) { PushKey(Form(), key, true); }
  void Release(SDL_Keycode key) { PushKey(Form(), key, false); }
  // The window being closed by its user.
  static void Close() { PushClose(); }

  // Common moments.
  bool OnTitle() { return Game().screen == Screen::kTitle; }
  bool Playing(int minFrames) {
    return Game().screen == Screen::kPlaying && State().running == kTrue &&
           State().frameCount >= minFrames;
  }
  // The first pump runs inside start-up, before the title is drawn.
  static Step StartUp() {
    return {"start-up", [] { return true; }, [] {}};
  }

 private:
  void FeedKeysOfThisFrame();

  harness::VirtualClock clock_{1000};
  GameWindow window_;
  std::optional<KeyReplay> keys_;
};

}  // namespace ursa::harness
