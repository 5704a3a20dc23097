// KeyScriptPlay: a game played without a window from a key script, on a virtual clock, the
// keys reaching it in the pumps between frames. The simulator and a time attack's ghost play
// their scripts through it.
#pragma once

#include <cstdint>
#include <limits>
#include <span>

#include "game/game.hpp"
#include "game/key_feed.hpp"
#include "game/key_script.hpp"
#include "game/null_host.hpp"

namespace ursa {

// A script opens a time attack when its first key is the time attack's, pressed at frame 0,
// as a time attack's recording begins.
bool OpensTimeAttack(std::span<const ScriptEvent> events);

class KeyScriptPlay : public NullHost {
 public:
  // Plays no more than `frameLimit` frames.
  KeyScriptPlay(Game& game, std::span<const ScriptEvent> events,
                uint64_t frameLimit = std::numeric_limits<uint64_t>::max());

  // Starts play as the script's first key says: a time attack, or a game from the current stage.
  void Begin();
  // One step of the game and the pump it asked for. False once play is over: a screen shows,
  // the program has ended or the frame limit is reached.
  bool Step();
  // Begins and plays until play is over.
  void Run();

  void FrameEnded(const GameState& s, FrameResult result) override;
  std::optional<KeyPress> NextKey(const Game& game) override;

  // Frames of play run so far, which the script's frame numbers count.
  uint64_t FramesRun() const { return framesRun_; }
  bool LimitReached() const { return limitReached_; }

 private:
  // The keys of the frame about to run are due after the pumps between frames only.
  void Pump(const StepWait& wait);

  Game& game_;
  KeyFeed keys_;
  bool timeAttack_;
  uint64_t frameLimit_;
  uint64_t framesRun_ = 0;
  bool limitReached_ = false;
  bool keysDue_ = false;  // a pump between frames has run: the next step takes the frame's keys
};

}  // namespace ursa
