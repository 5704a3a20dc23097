// KeyReplay: a key script played back through the window, each key at the moment of play it
// belongs to. The one matching of script frames to the game's moments, for --replay and tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/game.hpp"
#include "game/key_script.hpp"

namespace ursa {

class KeyReplay {
 public:
  explicit KeyReplay(std::vector<ScriptEvent> events) : events_(std::move(events)) {}

  // Takes the next key to hand to the game now, while it is on `screen` after `framesRun`
  // frames of play (counted from start-up, as the simulator counts them); nothing when the
  // next key's moment has not come. Call again after each key: a key can change the screen.
  //   In play, a key goes in once its frame has come, before that frame runs.
  //   On the title and ending screens, only Enter and Esc presses, and on the title the time
  //   attack's: a recording's start of a game, return to the title or quit. Other keys wait
  //   for play.
  //   During the death sequence and on the way out of play, nothing: an Esc recorded during
  //   a death is taken at the stage start after it, as the simulator takes it, and has the
  //   same outcome (the miss counts, then the title).
  // An Esc in play ends its frame's keys there: the keys after it in the same frame wait for
  // the title, where a recording saw them (Enter then starts a new game, as it did for the
  // player); those the title does not act on changed nothing and are passed over.
  std::optional<ScriptEvent> Next(Screen screen, uint64_t framesRun);

  // The next key due now, as the window's game takes them, one at a time, at each of its
  // steps. A script that starts in play, as the simulator's do, is started from the title with
  // an Enter, as the simulator starts play. On the title or ending screen with no key due,
  // frames no longer run and none can come: the replay ends there, as the simulator's does.
  std::optional<ScriptEvent> Take(Screen screen, uint64_t framesRun);

  // Every key has been handed over, or the rest was given up.
  bool Done() const { return next_ == events_.size(); }

 private:
  std::vector<ScriptEvent> events_;
  std::size_t next_ = 0;
  std::optional<uint64_t> escInPlayAt_;  // the frame of the last Esc handed over in play
  bool startedPlay_ = false;             // Take has pressed Enter on the title for a script
};

// Whether the rules act on `event` on `screen`, so that a recording keeps it: in play every
// key; elsewhere only the presses KeyReplay::Next hands over there. The rest are dropped
// because they change nothing (the next stage start resets the run and jump keys, and Enter
// and Esc do nothing on the way out or Enter during a death), and a replay would deliver them
// in play instead, where they would.
bool RulesActOn(Screen screen, const ScriptEvent& event);

}  // namespace ursa
