// A time attack in the window: its recording, its ghost, its splits and its ending.
// The run's recording counts frames from the run's start, so it replays on its own.
#include "app/time_attack_session.hpp"

#include "game/par_times.hpp"

namespace ursa {

void TimeAttackSession::Begin(uint64_t framesRun) {
  origin_ = framesRun;
  run_ = {};
  auto recording = std::make_unique<RecordingInMemory>();
  recording_ = recording.get();
  recorder_ = std::make_unique<KeyRecorder>(std::move(recording), "the time attack's run");
  ghost_.reset();
  if (!ghostOn_) return;
  if (std::optional<std::vector<ScriptEvent>> best = records_.BestRunEvents()) {
    ghost_ = std::make_unique<GhostRun>(std::move(*best));
  }
}

void TimeAttackSession::End() {
  recorder_.reset();
  recording_ = nullptr;
  ghost_.reset();
}

void TimeAttackSession::Record(Screen screen, const ScriptEvent& event) {
  if (!recorder_ || event.frame < origin_) return;
  recorder_->Record(screen, {event.frame - origin_, event.keyCode, event.down});
}

void TimeAttackSession::StageStarted(const GameState& s, uint64_t framesRun) {
  if (recorder_ && framesRun >= origin_) recorder_->StageStarted(s, framesRun - origin_);
}

void TimeAttackSession::RunTimed(const RunTimer& run) {
  run_ = run;
  if (ghost_) ghost_->StepTo(run.frames);
}

TimeAttackSession::Split TimeAttackSession::StageTimed(int stage, int32_t frames) {
  Split split{stage, frames, records_.Bests().stages.at(stage - 1), ParOf(stage).frames, false};
  split.newBest = records_.StageCleared(stage, frames);
  return split;
}

TimeAttackSession::Ending TimeAttackSession::Finish(const RunTimer& run) {
  Ending ending{run.frames, records_.Bests().run, ParTotalFrames(), false};
  if (recorder_) {
    recorder_->WriteNow();
    ending.newBest = records_.RunFinished(run.frames, recording_->Text());
  }
  End();
  return ending;
}

}  // namespace ursa
