// KeyRecorder: --record's file. Every key the game takes is written as a key-script line
// ("<frame> <key> <down|up>") that ursa-sim and --replay read, with the stages as comments.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "game/game.hpp"
#include "game/key_script.hpp"

namespace ursa {

class KeyRecorder {
 public:
  // Creates (or empties) the file and writes its heading. Nothing and a message in `error`
  // when it cannot be written, so the program can refuse before its window opens.
  static std::unique_ptr<KeyRecorder> Open(const std::string& path, std::string& error);
  // Flushes what is left; reports a failure to write it.
  ~KeyRecorder();
  KeyRecorder(const KeyRecorder&) = delete;
  KeyRecorder& operator=(const KeyRecorder&) = delete;

  // A key the game takes on `screen`, before frame event.frame of play. Only keys that
  // change the game are written (see RulesActOn); the rest are left out, and so are the keys
  // after an Esc in play in the same moment but an Enter, which starts the stage again.
  void Record(Screen screen, const ScriptEvent& event);
  // A stage starts after `framesRun` frames: a comment line, and everything so far goes to
  // the file, so a killed game loses at most the keys of the stage it was on.
  void StageStarted(const GameState& s, uint64_t framesRun);
  // Hands what is written so far to the system.
  void Flush();

  // The first failure to write, empty while there is none. After one, nothing more is
  // written and the game goes on.
  const std::string& Failure() const { return failure_; }

 private:
  KeyRecorder(std::FILE* file, std::string path) : file_(file), path_(std::move(path)) {}
  void Check(bool written);

  std::FILE* file_;
  std::string path_;
  std::string failure_;
  std::optional<uint64_t> escInPlayAt_;  // the frame of an Esc in play not yet followed by Enter
};

}  // namespace ursa
