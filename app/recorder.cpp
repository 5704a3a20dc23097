// Writing a recording as the game goes: buffered between stage starts, flushed at each and at
// the end. A failure to write is said once on stderr; the game is never stopped for it.
#include "app/recorder.hpp"

#include <cerrno>
#include <cinttypes>
#include <cstring>

#include "app/replay.hpp"
#include "game/stage_layouts.hpp"

namespace ursa {

std::unique_ptr<KeyRecorder> KeyRecorder::Open(const std::string& path, std::string& error) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) {
    error = "cannot write the recording '" + path + "': " + std::strerror(errno);
    return nullptr;
  }
  std::unique_ptr<KeyRecorder> recorder(new KeyRecorder(file, path));
  const bool written =
      std::fputs(
          "# Ursa key recording: replay it with 'ursa --replay FILE' or 'ursa-sim play "
          "FILE'.\n"
          "# <frame> <key> <down|up>: the key came before that frame of play, counted "
          "from the\n# program's start; a game starts with an Enter on the title.\n",
          file) >= 0 &&
      std::fflush(file) == 0;
  if (!written) {
    error = "cannot write the recording '" + path + "': " + std::strerror(errno);
    recorder->failure_ = error;  // said by the caller, not again on closing
    return nullptr;
  }
  return recorder;
}

KeyRecorder::~KeyRecorder() {
  Flush();
  if (std::fclose(file_) != 0 && failure_.empty()) {
    std::fprintf(stderr, "ursa: cannot write the recording '%s': %s\n", path_.c_str(),
                 std::strerror(errno));
  }
}

void KeyRecorder::Record(Screen screen, const ScriptEvent& event) {
  if (!failure_.empty() || !RulesActOn(screen, event)) return;
  const bool enter = event.down && event.keyCode == kKeyEnter;
  // Play is over once Esc has stopped it: until an Enter starts the stage again, the keys
  // change nothing (a second Esc included, which a replay would take on the title as a quit).
  if (screen == Screen::kPlaying && escInPlayAt_ == event.frame && !enter) return;
  if (enter) escInPlayAt_.reset();
  if (screen == Screen::kPlaying && event.down && event.keyCode == kKeyEsc) {
    escInPlayAt_ = event.frame;
  }
  const std::string_view key = KeyName(event.keyCode);
  Check(std::fprintf(file_, "%" PRIu64 " %.*s %s\n", event.frame, static_cast<int>(key.size()),
                     key.data(), event.down ? "down" : "up") > 0);
}

void KeyRecorder::StageStarted(const GameState& s, uint64_t framesRun) {
  if (!failure_.empty()) return;
  if (s.stage >= kFirstStage && s.stage <= kLastStage) {
    Check(std::fprintf(file_, "# stage %d, %d misses, from frame %" PRIu64 "\n", s.stage,
                       s.missCount, framesRun) > 0);
  }
  Flush();
}

void KeyRecorder::Flush() {
  if (failure_.empty()) Check(std::fflush(file_) == 0);
}

void KeyRecorder::Check(bool written) {
  if (written) return;
  failure_ = "cannot write the recording '" + path_ + "': " + std::strerror(errno);
  std::fprintf(stderr, "ursa: %s; the rest of this run is not recorded\n", failure_.c_str());
}

}  // namespace ursa
