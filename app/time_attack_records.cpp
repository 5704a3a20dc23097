// The time attack's bests and best run on disk: read strictly, set aside when damaged, merged
// with the file as it is now before each write, and written whole through a renamed file.
#include "app/time_attack_records.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <limits>
#include <sstream>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>

#include "app/player_file.hpp"
#include "app/user_folders.hpp"
#include "game/key_script_play.hpp"
#include "text/player_text.hpp"
#include "text/trim.hpp"
#include "text/whole_number.hpp"

namespace ursa {
namespace {

namespace fs = std::filesystem;

// The largest bests file read: the game's own is under 1 KiB.
constexpr std::uintmax_t kMaxBestsBytes = std::uintmax_t{64} << 10;
// The largest best-run recording read: a run's keys, a line each, stay far below it.
constexpr std::uintmax_t kMaxBestRunBytes = std::uintmax_t{16} << 20;

constexpr std::string_view kBestsFile = "bests.ini";
constexpr std::string_view kBestRunFile = "best-run.script";

constexpr std::string_view kBestsHeading =
    "# Ursa's time attack: the best times, in frames of play (50 a second). The game writes\n"
    "# this file; '#' starts a comment.\n";

// The first line of a best run's recording, naming the run it belongs to.
constexpr std::string_view kRunTag = "# run = ";

// How long a save waits for another game's save to end before it goes ahead unlocked: a
// game stopped half way through its save must not hold this one up.
constexpr int kLockTries = 50;
constexpr std::chrono::milliseconds kLockWait{20};

// The folder locked for one read and write of its files, so that two games saving at once
// take turns; without a lock (a file system without them) the saves still merge.
class FolderLock {
 public:
  explicit FolderLock(const std::string& folder)
      : fd_(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    for (int tries = 0; fd_ >= 0 && tries < kLockTries; ++tries) {
      if (flock(fd_, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK) return;
      std::this_thread::sleep_for(kLockWait);
    }
  }
  ~FolderLock() {
    if (fd_ >= 0) close(fd_);
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_;
};

std::string LineProblem(size_t line, const std::string& what) {
  return "line " + std::to_string(line) + ": " + what;
}

// One line of the bests file, neither blank nor a comment, into `bests`; what is wrong with it.
std::optional<std::string> ReadBestLine(std::string_view line, TimeAttackBests& bests) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) {
    return std::string("not a time (expected 'stage N = FRAMES' or 'run = FRAMES')");
  }
  const std::string_view name = text::Trim(line.substr(0, equals));
  const std::string_view value = text::Trim(line.substr(equals + 1));
  std::optional<int32_t>* best = nullptr;
  constexpr std::string_view kStage = "stage";
  if (name == "run") {
    best = &bests.run;
  } else if (name.size() > kStage.size() && name.starts_with(kStage) &&
             text::IsWhiteSpace(name[kStage.size()])) {
    const std::string_view number = text::Trim(name.substr(kStage.size()));
    const std::optional<int> stage = text::ParseWholeNumber(number, kFirstStage, kLastStage);
    if (!stage) {
      return "no stage " + text::Quoted(number) + " (the stages are " +
             std::to_string(kFirstStage) + " to " + std::to_string(kLastStage) + ")";
    }
    best = &bests.stages[static_cast<size_t>(*stage - kFirstStage)];
  } else {
    return "unknown name " + text::Quoted(name) + " (expected 'stage N' or 'run')";
  }
  const std::optional<int32_t> frames =
      text::ParseWholeNumber<int32_t>(value, 1, std::numeric_limits<int32_t>::max());
  if (!frames) return "expected a time in frames from 1 up, found " + text::Quoted(value);
  if (best->has_value()) return text::Quoted(name) + " is there twice";
  *best = frames;
  return std::nullopt;
}

// The bests of a bests file's text; what is wrong with it, and where, when it is damaged.
std::optional<std::string> ReadBestsText(const std::string& text, TimeAttackBests& bests) {
  std::istringstream in(text);
  size_t number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    const std::string_view trimmed = text::Trim(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    if (std::optional<std::string> problem = ReadBestLine(trimmed, bests)) {
      return LineProblem(number, *problem);
    }
  }
  return std::nullopt;
}

std::string BestsText(const TimeAttackBests& bests) {
  std::string text(kBestsHeading);
  for (size_t i = 0; i < bests.stages.size(); ++i) {
    if (bests.stages[i]) {
      text += "stage " + std::to_string(kFirstStage + static_cast<int>(i)) + " = " +
              std::to_string(*bests.stages[i]) + "\n";
    }
  }
  if (bests.run) text += "run = " + std::to_string(*bests.run) + "\n";
  return text;
}

// Keeps in `best` the smaller of it and `other`.
void KeepSmaller(std::optional<int32_t>& best, const std::optional<int32_t>& other) {
  if (other && (!best || *other < *best)) best = other;
}

void Merge(TimeAttackBests& bests, const TimeAttackBests& other) {
  for (size_t i = 0; i < bests.stages.size(); ++i) KeepSmaller(bests.stages[i], other.stages[i]);
  KeepSmaller(bests.run, other.run);
}

// The events of a time attack's recording; what is wrong with it when it is none.
std::optional<std::string> ReadRecording(const std::string& text,
                                         std::vector<ScriptEvent>& events) {
  std::istringstream in(text);
  ScriptParse parse = ParseScript(in);
  if (!parse.error.empty()) return parse.error;
  if (!OpensTimeAttack(parse.events)) {
    return std::string("no time attack's recording (it opens with the TimeAttack key at frame 0)");
  }
  events = std::move(parse.events);
  return std::nullopt;
}

// The run a best run's recording names on its first line.
std::optional<int32_t> RecordingRun(std::string_view text) {
  if (!text.starts_with(kRunTag)) return std::nullopt;
  text.remove_prefix(kRunTag.size());
  return text::ParseWholeNumber<int32_t>(text::Trim(text.substr(0, text.find('\n'))), 1,
                                         std::numeric_limits<int32_t>::max());
}

// The run of the time attack's recording at `path` when it is faster than `best`: a save
// ended between writing a new best run's recording and the bests that name its run. Nothing
// when the recording is missing, refused or damaged (BestRunEvents says so).
std::optional<int32_t> FasterRecordedRun(const std::string& path, std::optional<int32_t> best) {
  std::string text;
  std::string why;
  if (ReadPlayerFile(path, kMaxBestRunBytes, text, why, FileLink::kRefused) != FileRead::kRead) {
    return std::nullopt;
  }
  const std::optional<int32_t> run = RecordingRun(text);
  std::vector<ScriptEvent> events;
  if (!run || (best && *best <= *run) || ReadRecording(text, events)) return std::nullopt;
  return run;
}

}  // namespace

TimeAttackRecords::TimeAttackRecords(std::string folder, std::FILE* errors)
    : folder_(std::move(folder)), errors_(errors) {
  if (folder_.empty()) return;
  ClearStaleWrites(BestsPath());
  ClearStaleWrites(BestRunPath());
  ReadBests(bests_);
}

std::string TimeAttackRecords::DefaultFolder() {
  const std::string data = DataFolder();
  return data.empty() ? "" : (fs::path(data) / "ursa").lexically_normal().string();
}

std::string TimeAttackRecords::BestsPath() const {
  return folder_.empty() ? "" : (fs::path(folder_) / kBestsFile).string();
}

std::string TimeAttackRecords::BestRunPath() const {
  return folder_.empty() ? "" : (fs::path(folder_) / kBestRunFile).string();
}

void TimeAttackRecords::Say(const std::string& path, const std::string& what) {
  std::fprintf(errors_, "ursa: %s: %s\n", text::EscapeForMessage(path).c_str(), what.c_str());
}

bool TimeAttackRecords::ReadBests(TimeAttackBests& read) {
  read = {};
  const std::string path = BestsPath();
  std::string text;
  std::string why;
  switch (ReadPlayerFile(path, kMaxBestsBytes, text, why, FileLink::kRefused)) {
    case FileRead::kMissing:
      break;
    case FileRead::kRefused:
      Say(path,
          "cannot read the time attack's bests (" + why + "); they will not be kept this run");
      kept_ = false;
      return false;
    case FileRead::kRead:
      if (const std::optional<std::string> damage = ReadBestsText(text, read)) {
        read = {};
        const std::string aside = SetAsidePlayerFile(path, why);
        if (aside.empty()) {
          Say(path, *damage + "; the file cannot be set aside (" + why +
                        "), so the time attack's bests will not be kept this run");
          kept_ = false;
          return false;
        }
        Say(path, *damage + "; the file is set aside as " + text::EscapeForMessage(aside) +
                      " and the bests begin again");
      }
      break;
  }
  // A new best run's recording is written before the bests that name its run: a save ended
  // between the two leaves the run in its recording alone, and it is the best run all the same.
  KeepSmaller(read.run, FasterRecordedRun(BestRunPath(), read.run));
  return true;
}

template <typename Improve>
bool TimeAttackRecords::Save(Improve improve) {
  if (folder_.empty() || !kept_) return improve(bests_, false);
  const std::string path = BestsPath();
  std::error_code error;
  fs::create_directories(folder_, error);
  if (error) {
    Say(path, "cannot save the time attack's bests (" + error.message() + ")");
    return improve(bests_, false);
  }
  const FolderLock lock(folder_);
  TimeAttackBests onDisk;
  if (!ReadBests(onDisk)) return improve(bests_, false);
  Merge(bests_, onDisk);
  const bool better = improve(bests_, true);
  std::string why;
  if (bests_ != onDisk && !ReplacePlayerFile(path, BestsText(bests_), why)) {
    Say(path, "cannot save the time attack's bests (" + why + "); the file stays as it was");
  }
  return better;
}

bool TimeAttackRecords::StageCleared(int stage, int32_t frames) {
  if (stage < kFirstStage || stage > kLastStage || frames <= 0) return false;
  return Save([&](TimeAttackBests& bests, bool /*keeping*/) {
    std::optional<int32_t>& best = bests.stages[static_cast<size_t>(stage - kFirstStage)];
    if (best && *best <= frames) return false;
    best = frames;
    return true;
  });
}

bool TimeAttackRecords::RunFinished(int32_t frames, const std::string& recording) {
  if (frames <= 0) return false;
  return Save([&](TimeAttackBests& bests, bool keeping) {
    if (bests.run && *bests.run <= frames) return false;
    bests.run = frames;
    if (!keeping) return true;
    const std::string path = BestRunPath();
    const std::string text = std::string(kRunTag) + std::to_string(frames) + "\n" + recording;
    std::vector<ScriptEvent> events;
    std::string why;
    if (text.size() > kMaxBestRunBytes) {
      Say(path, "the best run's recording is not kept: it is too long; its time is");
    } else if (const std::optional<std::string> problem = ReadRecording(recording, events)) {
      Say(path, "the best run's recording is not kept: " + *problem + "; its time is");
    } else if (!ReplacePlayerFile(path, text, why)) {
      Say(path, "cannot save the best run's recording (" + why + "); its time is kept");
    }
    return true;
  });
}

std::optional<std::vector<ScriptEvent>> TimeAttackRecords::BestRunEvents() {
  if (folder_.empty()) return std::nullopt;
  // The bests and the recording as one save left them, a faster run of another game's too.
  const FolderLock lock(folder_);
  TimeAttackBests onDisk;
  if (kept_ && ReadBests(onDisk)) Merge(bests_, onDisk);
  if (!bests_.run) return std::nullopt;
  const std::string path = BestRunPath();
  std::string text;
  std::string why;
  switch (ReadPlayerFile(path, kMaxBestRunBytes, text, why, FileLink::kRefused)) {
    case FileRead::kMissing:
      return std::nullopt;
    case FileRead::kRefused:
      Say(path, "cannot read the best run (" + why + "); it has no ghost");
      return std::nullopt;
    case FileRead::kRead:
      break;
  }
  std::vector<ScriptEvent> events;
  if (const std::optional<std::string> damage = ReadRecording(text, events)) {
    const std::string aside = SetAsidePlayerFile(path, why);
    Say(path, *damage +
                  (aside.empty() ? "; the file cannot be set aside (" + why + ")"
                                 : "; the file is set aside as " + text::EscapeForMessage(aside)) +
                  ", and the best run has no ghost");
    return std::nullopt;
  }
  // The recording of a slower run, left when the best run's own could not be written.
  if (RecordingRun(text) != bests_.run) return std::nullopt;
  return events;
}

}  // namespace ursa
