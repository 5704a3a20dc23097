// Frames of rules per second on every stage, holding Right with a jump every 40 frames.
// Measures the rules alone (RunFrame) and the whole stepped game over a view-less host.
#include <benchmark/benchmark.h>

#include "game/frame.hpp"
#include "game/game.hpp"
#include "game/null_host.hpp"
#include "game/stage_layouts.hpp"

namespace ursa {
namespace {

constexpr int kJumpPeriod = 40;
constexpr int kJumpHeld = 20;
constexpr int kAllStagesSpan = 500;  // frames per stage when cycling through all of them

// The scripted player: Right always held, the jump key pressed for half of every period.
void Input(Game& game, GameHost& host, int64_t frame) {
  KeyDown(game, host, kKeyRight);
  const int64_t phase = frame % kJumpPeriod;
  if (phase == 0) KeyDown(game, host, kKeySpace);
  if (phase == kJumpHeld) KeyUp(game, kKeySpace);
}

void StartAttempt(GameState& s, int16_t stage) {
  s.stage = stage;
  LoadStageLayout(s);
  PlacePlayerAtStart(s);
}

void RunStages(benchmark::State& state, int16_t firstStage, int16_t lastStage) {
  Game game;
  game.screen = Screen::kPlaying;
  NullHost host;
  int16_t stage = firstStage;
  StartAttempt(game.state, stage);
  int64_t frame = 0;
  for (auto _ : state) {
    Input(game, host, frame);
    const FrameResult result = RunFrame(game.state, host);
    ++frame;
    if (firstStage != lastStage && frame % kAllStagesSpan == 0) {
      stage = stage == lastStage ? firstStage : static_cast<int16_t>(stage + 1);
      StartAttempt(game.state, stage);
    } else if (result != FrameResult::kNone) {
      StartAttempt(game.state, stage);  // a door, fall or spike: play the same stage again
    }
    benchmark::DoNotOptimize(game.state);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_RulesFrame(benchmark::State& state) {
  const auto stage = static_cast<int16_t>(state.range(0));
  RunStages(state, stage, stage);
}
BENCHMARK(BM_RulesFrame)->DenseRange(kFirstStage, kLastStage)->ArgName("stage");

void BM_RulesFrameAllStages(benchmark::State& state) { RunStages(state, kFirstStage, kLastStage); }
BENCHMARK(BM_RulesFrameAllStages);

// The stepped game over a view-less host: the frame loop, its pumps and the stage starts.
class ScriptedHost : public NullHost {
 public:
  ScriptedHost(Game& game, int64_t frames) : game_(game), frames_(frames) {}
  void Run() {
    BeginGame(game_);
    while (true) {
      const StepWait wait = RunGame(game_, *this);
      if (game_.quit || wait.pump == PumpKind::kScreen) return;
      Pump(wait.pump, wait.wakeAtMs);
    }
  }
  void Pump(PumpKind kind, int64_t wakeAtMs) {
    if (kind == PumpKind::kWaiting) WaitUntil(wakeAtMs);
    if (kind != PumpKind::kWaiting && kind != PumpKind::kAfterFrame) return;
    if (framesRun_ == frames_) {
      game_.quit = true;
    } else if (framesRun_ != inputFrame_) {
      inputFrame_ = framesRun_;
      Input(game_, *this, framesRun_);
    }
  }
  void FrameEnded(const GameState& /*s*/, FrameResult /*result*/) override { ++framesRun_; }

 private:
  Game& game_;
  int64_t frames_;
  int64_t framesRun_ = 0;
  int64_t inputFrame_ = -1;
};

void BM_RunGameAllStages(benchmark::State& state) {
  constexpr int64_t kFramesPerStage = 2000;
  int64_t frames = 0;
  for (auto _ : state) {
    for (int16_t stage = kFirstStage; stage <= kLastStage; ++stage) {
      Game game;
      game.state.stage = stage;
      ScriptedHost host(game, kFramesPerStage);
      host.Run();
      frames += kFramesPerStage;
    }
  }
  state.SetItemsProcessed(frames);
}
BENCHMARK(BM_RunGameAllStages)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ursa

BENCHMARK_MAIN();
