// Writing a recording as the game goes: kept between stage starts, written in one piece at
// each and at the end. A failure to write is said once on stderr; the game goes on.
#include "app/recorder.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "app/replay.hpp"
#include "game/stage_layouts.hpp"

namespace ursa {

namespace {

constexpr std::string_view kHeading =
    "# Ursa key recording: replay it with 'ursa --replay FILE' or 'ursa-sim play FILE'.\n"
    "# <frame> <key> <down|up>: the key came before that frame of play, counted from the\n"
    "# program's start; a game starts with an Enter on the title.\n";

std::string CannotWrite(const std::string& path, int error) {
  return "cannot write the recording '" + path + "': " + std::strerror(error);
}

// The recording's file on disk, written with plain writes.
class DiskFile final : public RecordingFile {
 public:
  explicit DiskFile(std::string path) : path_(std::move(path)) {}
  ~DiskFile() override {
    if (fd_ >= 0 && close(fd_) != 0) {
      std::fprintf(stderr, "ursa: %s\n", CannotWrite(path_, errno).c_str());
    }
  }
  DiskFile(const DiskFile&) = delete;
  DiskFile& operator=(const DiskFile&) = delete;

  bool Start() override {
    fd_ = open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd_ >= 0;
  }

  std::size_t Append(std::string_view bytes) override {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        if (n == 0) errno = ENOSPC;
        break;
      }
      done += static_cast<std::size_t>(n);
    }
    return done;
  }

  bool CutTo(std::size_t size) override {
    return ftruncate(fd_, static_cast<off_t>(size)) == 0 &&
           lseek(fd_, static_cast<off_t>(size), SEEK_SET) >= 0;
  }

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace

std::unique_ptr<KeyRecorder> KeyRecorder::Open(const std::string& path, std::string& error) {
  // Tried, not emptied: an existing file is opened for writing, a missing one is created and
  // taken away again.
  int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
  const bool missing = fd < 0 && errno == ENOENT;
  if (missing) fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    error = CannotWrite(path, errno);
    return nullptr;
  }
  close(fd);
  if (missing) unlink(path.c_str());
  return std::make_unique<KeyRecorder>(std::make_unique<DiskFile>(path), path);
}

KeyRecorder::KeyRecorder(std::unique_ptr<RecordingFile> file, std::string path)
    : file_(std::move(file)), path_(std::move(path)) {}

KeyRecorder::~KeyRecorder() { Write(); }

void KeyRecorder::Record(Screen screen, const ScriptEvent& event) {
  if (!Recording() || !RulesActOn(screen, event)) return;
  const bool enter = event.down && event.keyCode == kKeyEnter;
  // Play is over once Esc has stopped it: until an Enter starts the stage again, the keys
  // change nothing (a second Esc included, which a replay would take on the title as a quit).
  if (screen == Screen::kPlaying && escInPlayAt_ == event.frame && !enter) return;
  if (enter) escInPlayAt_.reset();
  if (screen == Screen::kPlaying && event.down && event.keyCode == kKeyEsc) {
    escInPlayAt_ = event.frame;
  }
  AddLine(event);
}

void KeyRecorder::StageStarted(const GameState& s, uint64_t framesRun) {
  if (!Recording()) return;
  if (s.stage >= kFirstStage && s.stage <= kLastStage) {
    char line[80];
    std::snprintf(line, sizeof line, "# stage %d, %d misses, from frame %" PRIu64 "\n", s.stage,
                  s.missCount, framesRun);
    lines_ += line;
  }
  Write();
}

void KeyRecorder::Quit(const Game& game, uint64_t framesRun) {
  if (!Recording()) return;
  // An Esc in play already recorded at this moment has ended play, and one during the death
  // already goes to the title after it: a second Esc would be a quit from the title.
  const bool playing = game.screen == Screen::kPlaying && escInPlayAt_ != framesRun;
  const bool dying = game.screen == Screen::kDying && !game.titleAfterDeath;
  if (playing || dying) {
    for (std::size_t i = 0; i < kGameKeys.size(); ++i) {
      if (held_[i]) AddLine({framesRun, kGameKeys[i].code, false});
    }
    AddLine({framesRun, kKeyEsc, true});
  }
  Write();
  quit_ = true;
}

void KeyRecorder::AddLine(const ScriptEvent& event) {
  for (std::size_t i = 0; i < kGameKeys.size(); ++i) {
    if (kGameKeys[i].code == event.keyCode) held_[i] = event.down;
  }
  const std::string_view key = KeyName(event.keyCode);
  char line[64];
  std::snprintf(line, sizeof line, "%" PRIu64 " %.*s %s\n", event.frame,
                static_cast<int>(key.size()), key.data(), event.down ? "down" : "up");
  lines_ += line;
}

void KeyRecorder::Write() {
  if (!failure_.empty() || lines_.empty()) return;
  // The first piece replaces the file's old contents.
  const std::string piece = started_ ? std::move(lines_) : std::string(kHeading) + lines_;
  lines_.clear();
  if (!started_ && !file_->Start()) {
    failure_ = CannotWrite(path_, errno);
    std::fprintf(stderr, "ursa: %s; recording stopped\n", failure_.c_str());
    return;
  }
  started_ = true;
  if (file_->Append(piece) == piece.size()) {
    written_ += piece.size();
    return;
  }
  failure_ = CannotWrite(path_, errno);
  if (file_->CutTo(written_)) {
    std::fprintf(stderr, "ursa: %s; recording stopped, the file keeps the stages before\n",
                 failure_.c_str());
  } else {
    std::fprintf(stderr, "ursa: %s; recording stopped, the file ends in a broken line (%s)\n",
                 failure_.c_str(), std::strerror(errno));
  }
}

}  // namespace ursa
