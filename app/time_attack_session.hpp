// TimeAttackSession: what a time attack keeps beside the rules in the window: the run's own
// recording (its frames counted from the run's start), the ghost of the best run, and the
// bests the run is measured against and kept in.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "app/recorder.hpp"
#include "app/time_attack_records.hpp"
#include "game/game.hpp"
#include "game/ghost_run.hpp"

namespace ursa {

class TimeAttackSession {
 public:
  // `records` keeps the bests and the best run (one with no folder keeps nothing, as for a
  // replay); with `ghost`, the best run's bear runs beside the player's.
  TimeAttackSession(TimeAttackRecords& records, bool ghost) : records_(records), ghostOn_(ghost) {}

  // The time attack's key is taken on the title after `framesRun` frames: a new run, with its
  // own recording and the ghost of the best run so far.
  void Begin(uint64_t framesRun);
  // A normal game starts: no run is on.
  void End();
  bool Active() const { return recorder_ != nullptr; }

  // A key the rules take on `screen`, its frame counted from the program's start.
  void Record(Screen screen, const ScriptEvent& event);
  void StageStarted(const GameState& s, uint64_t framesRun);

  // The timer counted a frame: the ghost plays on to it.
  void RunTimed(const RunTimer& run);
  // The run's timer as last counted.
  const RunTimer& Run() const { return run_; }
  // The run has a ghost to draw (the ghost is on and there is a best run).
  bool HasGhost() const { return ghost_ != nullptr; }
  // The ghost's bear while it is in a stage, else nullptr.
  const GameState* GhostBear() const { return ghost_ ? ghost_->Bear() : nullptr; }

  struct Split {
    int stage = 0;
    int32_t frames = 0;
    std::optional<int32_t> best;  // the best before this one
    int32_t par = 0;
    bool newBest = false;
  };
  // A door of the run: the stage's time against the best and the par; a new best is kept.
  Split StageTimed(int stage, int32_t frames);

  struct Ending {
    int32_t frames = 0;
    std::optional<int32_t> bestRun;  // the best before this run
    int32_t parTotal = 0;
    bool newBest = false;
  };
  // The last door: the run against the best run and the pars; a new best run is kept with its
  // recording. The run is over.
  Ending Finish(const RunTimer& run);

 private:
  TimeAttackRecords& records_;
  bool ghostOn_;
  uint64_t origin_ = 0;  // the program's frames when the run began
  RunTimer run_;
  RecordingInMemory* recording_ = nullptr;  // owned by recorder_
  std::unique_ptr<KeyRecorder> recorder_;
  std::unique_ptr<GhostRun> ghost_;
};

}  // namespace ursa
