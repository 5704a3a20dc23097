// KeyRecorder: --record's file. Every key the game takes is written as a key-script line
// ("<frame> <key> <down|up>") that ursa-sim and --replay read, with the stages as comments.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "game/game.hpp"
#include "game/key_script.hpp"

namespace ursa {

// Where a recording's bytes go: the file named on the command line, or a stand-in in tests
// that fails when told to, as a full disk does.
class RecordingFile {
 public:
  virtual ~RecordingFile() = default;
  // Empties the file, creating it when missing; false, with errno set, when it cannot.
  virtual bool Start() = 0;
  // Adds `bytes` at the end; returns how many went in, fewer (errno set) on a failure.
  virtual std::size_t Append(std::string_view bytes) = 0;
  // Cuts the file back to its first `size` bytes; false, with errno set, when it cannot.
  virtual bool CutTo(std::size_t size) = 0;
};

// A recording kept in memory, as the file would hold it: the browser's run, a time attack's.
class RecordingInMemory final : public RecordingFile {
 public:
  bool Start() override {
    text_.clear();
    return true;
  }
  std::size_t Append(std::string_view bytes) override {
    text_ += bytes;
    return bytes.size();
  }
  bool CutTo(std::size_t size) override {
    text_.resize(size);
    return true;
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

class KeyRecorder {
 public:
  // A recorder for the file at `path`, which is only tried now: nothing and a message in
  // `error` when it cannot be written, so the program can refuse before its window opens. An
  // existing file is replaced, heading first, once there is a stage to write, so a game that
  // fails to start leaves it as it was.
  static std::unique_ptr<KeyRecorder> Open(const std::string& path, std::string& error);
  // A recorder writing to `file`; `path` names it in messages.
  KeyRecorder(std::unique_ptr<RecordingFile> file, std::string path);
  // Writes what is left.
  ~KeyRecorder();
  KeyRecorder(const KeyRecorder&) = delete;
  KeyRecorder& operator=(const KeyRecorder&) = delete;

  // A key the game takes on `screen`, before frame event.frame of play. Only keys that
  // change the game are written (see RulesActOn); the rest are left out, and so are the keys
  // after an Esc in play in the same moment but an Enter, which starts the stage again.
  void Record(Screen screen, const ScriptEvent& event);
  // A stage starts after `framesRun` frames: a comment line, and everything so far goes to
  // the file in one piece, so a killed game loses at most the keys of the stage it was on.
  void StageStarted(const GameState& s, uint64_t framesRun);
  // The window is closed (or the program signalled) after `framesRun` frames. The recording
  // ends as the player left the game: in play or during a death, every held key is let go
  // and Esc takes the game back to the title, after the death with its miss, so a replay
  // ends on the title with the stage and misses of the close. Nothing is recorded after.
  void Quit(const Game& game, uint64_t framesRun);

  // Hands every line recorded so far to the file now, as a stage start would: the browser's
  // page offers the run as it stands.
  void WriteNow() {
    if (Recording()) Write();
  }

  // The first failure to write, empty while there is none. After one, nothing more is
  // written and the game goes on.
  const std::string& Failure() const { return failure_; }

 private:
  bool Recording() const { return !quit_ && failure_.empty(); }
  void AddLine(const ScriptEvent& event);
  // Hands the lines not yet written to the file in one piece; when only part of it goes in,
  // cuts the file back to the stages before, so it stays a whole key script.
  void Write();

  std::unique_ptr<RecordingFile> file_;
  std::string path_;
  std::string failure_;
  std::string lines_;        // written at the next stage start or at the end
  std::size_t written_ = 0;  // the bytes of the file, all whole lines
  bool started_ = false;     // the file has been emptied and has its heading
  bool quit_ = false;
  std::array<bool, kGameKeys.size()> held_{};  // by place in kGameKeys, as the file has them
  std::optional<uint64_t> escInPlayAt_;  // the frame of an Esc in play not yet followed by Enter
};

}  // namespace ursa
