// KeyIntake: the keys on their way to the rules, which take them one at a time at their steps:
// a replay's keys as they fall due, else the player's in the order they came.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>

#include "app/recorder.hpp"
#include "app/replay.hpp"
#include "app/time_attack_session.hpp"
#include "game/game.hpp"

namespace ursa {

class KeyIntake {
 public:
  // A key of the player's, kept until the rules take it; left out while a replay plays.
  void Push(KeyPress key);
  // The player's Esc on the title and ending screens is dropped: a page has nothing to quit
  // to. A replay's keys are the script's, Esc among them.
  void KeepOpenOnScreens() { keepOpen_ = true; }

  // --replay: its keys reach the rules at their moments of play, from the title on; the
  // player's keys are left out until its last one. Must outlive this object.
  void SetReplay(KeyReplay* replay) { replay_ = replay; }
  bool HasReplay() const { return replay_ != nullptr; }
  bool Replaying() const { return replay_ != nullptr && !replay_->Done(); }
  // --record: every key the rules take is written to `recorder` too. Must outlive this object.
  void SetRecorder(KeyRecorder* recorder) { recorder_ = recorder; }
  // The time attack whose run and recording begin with the key that starts one.
  void SetTimeAttack(TimeAttackSession* session) { timeAttack_ = session; }

  // The next key for the rules of `game`, after `framesRun` frames of play.
  std::optional<KeyPress> Next(const Game& game, uint64_t framesRun);
  // The rules took `key`, pressed on `screen` after `framesRun` frames: the recordings write
  // it, and a key that started a game begins or ends a time attack's run.
  void Taken(const Game& game, Screen screen, KeyPress key, uint64_t framesRun);

 private:
  std::deque<KeyPress> waiting_;
  bool keepOpen_ = false;
  KeyReplay* replay_ = nullptr;
  KeyRecorder* recorder_ = nullptr;
  TimeAttackSession* timeAttack_ = nullptr;
};

}  // namespace ursa
