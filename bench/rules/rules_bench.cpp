// Frames of rules per second on every stage, holding Right with a jump every 40 frames; the
// stepped game over a view-less host; ursa-sim's play of a random script beside the floor; and
// reading that script's text beside a pass that only finds its lines.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "game/frame.hpp"
#include "game/game.hpp"
#include "game/game_keys.hpp"
#include "game/key_feed.hpp"
#include "game/key_script.hpp"
#include "game/null_host.hpp"
#include "game/stage_layouts.hpp"
#include "tests/game/plain_rules.hpp"

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

// A restless player's keys: Left, Right, Space and Up pressed and released at random, a few
// frames apart, for `frames` frames. On stage 10 it runs into spikes and falls now and then.
std::vector<ScriptEvent> RandomScript(uint64_t frames) {
  std::mt19937 random(1);
  constexpr int kKeys[] = {kKeyLeft, kKeyRight, kKeySpace, kKeyUp};
  constexpr int kGaps[] = {0, 0, 1, 1, 2, 3, 5, 8, 13, 20, 40};
  std::vector<ScriptEvent> events;
  for (uint64_t frame = 0; frame < frames;) {
    frame += static_cast<uint64_t>(kGaps[random() % std::size(kGaps)]);
    events.push_back({frame, kKeys[random() % std::size(kKeys)], random() % 3 != 2});
  }
  return events;
}

constexpr uint64_t kScriptFrames = 200000;

// ursa-sim's play: its host and loop, the script's keys fed in the pumps between frames, the
// death sequence stepped picture by picture.
class SimPlayHost : public NullHost {
 public:
  SimPlayHost(Game& game, const std::vector<ScriptEvent>& events) : game_(game), keys_(events) {}
  void Run() {
    BeginGame(game_);
    while (!game_.quit) {
      const StepWait wait = RunGame(game_, *this);
      if (wait.pump == PumpKind::kScreen) return;
      if (wait.pump == PumpKind::kWaiting) WaitUntil(wait.wakeAtMs);
      if (wait.pump != PumpKind::kWaiting && wait.pump != PumpKind::kAfterFrame) continue;
      if (framesRun_ == kScriptFrames) game_.quit = true;
      keys_.DeliverFrame(game_, *this, framesRun_);
    }
  }
  void FrameEnded(const GameState& /*s*/, FrameResult /*result*/) override { ++framesRun_; }

 private:
  Game& game_;
  KeyFeed keys_;
  uint64_t framesRun_ = 0;
};

void BM_SimPlay(benchmark::State& state) {
  const std::vector<ScriptEvent> events = RandomScript(kScriptFrames);
  int misses = 0;
  for (auto _ : state) {
    Game game;
    game.state.stage = static_cast<int16_t>(state.range(0));
    SimPlayHost host(game, events);
    host.Run();
    misses = game.state.missCount;
    benchmark::DoNotOptimize(game.state);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kScriptFrames));
  state.counters["misses"] = misses;
}
BENCHMARK(BM_SimPlay)->Arg(10)->Arg(4)->Arg(1)->ArgName("stage")->Unit(benchmark::kMillisecond);

// The floor: the same frames of the same script with the same work done the plainest way, every
// object and every block tested in turn, a miss starting the stage again at once.
void BM_SimPlayFloor(benchmark::State& state) {
  const std::vector<ScriptEvent> events = RandomScript(kScriptFrames);
  int misses = 0;
  for (auto _ : state) {
    Game game;
    GameState& s = game.state;
    const auto stage = static_cast<int16_t>(state.range(0));
    StartAttempt(s, stage);
    NullHost host;
    KeyFeed keys(events);
    for (uint64_t frame = 0; frame < kScriptFrames; ++frame) {
      keys.DeliverFrame(game, host, frame);
      const FrameResult result = plain::Frame(s);
      if (result == FrameResult::kFall || result == FrameResult::kSpike) ++s.missCount;
      if (result != FrameResult::kNone) StartAttempt(s, s.stage);
    }
    misses = s.missCount;
    benchmark::DoNotOptimize(s);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kScriptFrames));
  state.counters["misses"] = misses;
}
BENCHMARK(BM_SimPlayFloor)
    ->Arg(10)
    ->Arg(4)
    ->Arg(1)
    ->ArgName("stage")
    ->Unit(benchmark::kMillisecond);

// The random script as ursa-sim reads it: one event a line.
std::string ScriptText() {
  std::string text;
  for (const ScriptEvent& e : RandomScript(kScriptFrames)) {
    text += std::to_string(e.frame) + " " + std::string(KeyName(e.keyCode)) +
            (e.down ? " down\n" : " up\n");
  }
  return text;
}

void BM_ReadScript(benchmark::State& state) {
  const std::string text = ScriptText();
  size_t events = 0;
  for (auto _ : state) {
    std::istringstream in(text);
    events = ParseScript(in).events.size();
    benchmark::DoNotOptimize(events);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.counters["events"] = static_cast<double>(events);
}
BENCHMARK(BM_ReadScript)->Unit(benchmark::kMillisecond);

// The floor: the same text copied out of the same stream and its lines counted, nothing parsed.
void BM_ReadScriptFloor(benchmark::State& state) {
  const std::string text = ScriptText();
  for (auto _ : state) {
    std::istringstream in(text);
    std::string copy(text.size(), '\0');
    in.read(copy.data(), static_cast<std::streamsize>(copy.size()));
    benchmark::DoNotOptimize(std::count(copy.begin(), copy.end(), '\n'));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadScriptFloor)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ursa

BENCHMARK_MAIN();
