// TimeAttackRecords: the time attack's personal bests (each stage's and the whole run's) and the
// best run's recording, for its ghost, kept in the player's data folder to outlast the program.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "game/key_script.hpp"
#include "game/stage_layouts.hpp"

namespace ursa {

// Times in frames of play (50 a second), as the run timer counts them; nothing where the
// player has not cleared the stage, or finished a run, yet.
struct TimeAttackBests {
  std::array<std::optional<int32_t>, kLastStage - kFirstStage + 1> stages;  // stage 1 first
  std::optional<int32_t> run;

  bool operator==(const TimeAttackBests&) const = default;
};

// The bests file "bests.ini" and the best run's recording "best-run.script", in one folder:
//
//   # Ursa's time attack: the best times, in frames of play (50 a second). The game writes
//   # this file; '#' starts a comment.
//   stage 1 = 412
//   stage 3 = 530
//   run = 8120
//
// A line "stage N = FRAMES" for each stage cleared (N from 1 to 15) and "run = FRAMES" once a
// run has been finished, each at most once; blank lines and comment lines are skipped and CRLF
// line ends read. Times are whole numbers from 1 up. Any other line makes the file damaged.
//
// The recording is a key script (as --record writes it) of a time attack, after a comment line
// "# run = FRAMES" that names the run it belongs to: the run of the bests file only ever has
// its own recording played as its ghost. A new best run's recording is written before the
// bests, so a game killed between the two leaves a recording of a run faster than the bests
// say: that run is then the best run, read from its recording, and it is its ghost.
//
// A damaged file is said on the error stream ("ursa: PATH: ...") and set aside (PATH.damaged,
// see SetAsidePlayerFile), so the next save starts a new one. A file that is no regular file of
// the player's (a pipe, a device, a folder, a huge file, a symbolic link, wherever it points)
// is said, never read nor written. What a game killed while saving left beside the files is
// cleared when the records are read (see ClearStaleWrites).
// Every save reads the file again first and keeps the smaller of each time, so games saving
// side by side keep each other's bests; a write that fails is said, and the file on disk stays
// whole and as it was, while the best stays in memory to be saved with the next one.
class TimeAttackRecords {
 public:
  // The records kept in `folder` (created at the first save), said on `errors`. An empty
  // folder keeps nothing: the bests then last as long as this object.
  explicit TimeAttackRecords(std::string folder, std::FILE* errors = stderr);

  // $XDG_DATA_HOME/ursa, else $HOME/.local/share/ursa; empty with neither.
  static std::string DefaultFolder();
  // The folder a game keeps its records in: the default one, or none for a replay, whose time
  // attack is measured but keeps nothing (the bests are the player's own).
  static std::string FolderFor(bool replaying) {
    return replaying ? std::string() : DefaultFolder();
  }

  // The bests as read at construction, with every best of this game's since and what other
  // games had saved when this one last read the file.
  const TimeAttackBests& Bests() const { return bests_; }

  // Stage `stage` (1 to 15) of a time attack cleared in `frames`: whether it is a new best of
  // the stage. A new best is saved at once. A stage or a time out of range is no best.
  bool StageCleared(int stage, int32_t frames);

  // A whole run finished in `frames`, with its recording (the text of a key script that opens
  // with the time attack's key at frame 0, as the ghost plays it): whether it is a new best
  // run. A new best run's recording is written first and its time then, so the run of the
  // bests file has its recording. When the recording cannot be written (said), the time is
  // kept all the same, since it is what the player achieved; the recording left on disk, of a
  // slower run, is then no longer played as the best run's ghost.
  bool RunFinished(int32_t frames, const std::string& recording);

  // The best run's key-script events, for its ghost; nothing without a best run, when its
  // recording is missing or belongs to another run, and when it cannot be read (said) or does
  // not parse as a time attack's recording (said, and set aside).
  std::optional<std::vector<ScriptEvent>> BestRunEvents();

  std::string BestsPath() const;
  std::string BestRunPath() const;

 private:
  // Reads the bests file into `read`: true with no bests when there is none or it was damaged
  // (said and set aside); false when it is refused or cannot be set aside (said, and the bests
  // are no longer kept).
  bool ReadBests(TimeAttackBests& read);
  // Merges the file as it is now into the bests, then lets `improve` better them (it returns
  // whether it did) and writes the file when it holds less than the bests. The file is read
  // and written under a lock on the folder, so that another game's save comes before or after.
  template <typename Improve>
  bool Save(Improve improve);
  void Say(const std::string& path, const std::string& what);

  std::string folder_;
  std::FILE* errors_;
  TimeAttackBests bests_;
  // False once the bests file is refused: it is neither read nor written again this run.
  bool kept_ = true;
};

}  // namespace ursa
