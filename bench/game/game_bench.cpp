// bench-game: what the real window pays per stage start and per frame of play, with the
// game's own meshes on this machine's OpenGL (llvmpipe without a GPU).
// Run: SDL_VIDEODRIVER=offscreen build/bench/game/bench-game
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "app/game_window.hpp"
#include "game/frame.hpp"
#include "game/game.hpp"
#include "game/stage_lifecycle.hpp"

namespace ursa {
namespace {

using Clock = std::chrono::steady_clock;

// One window for the whole run: the game opens exactly one.
GameWindow& Window() {
  static GameWindow* window = [] {
    tk::FormOptions options;
    options.windowed = true;
    auto* w = new GameWindow(options);
    w->Load();
    return w;
  }();
  return *window;
}

// A stage start as the game makes it: HUD, layout, the whole scene, the player's start.
void BM_StageStart(benchmark::State& state) {
  GameWindow& w = Window();
  WindowHost host(w.form(), w.handles());
  w.game().state.stage = static_cast<int16_t>(state.range(0));
  for (auto _ : state) StartStage(w.game(), host);
  ReleaseScene(w.game(), host);
}
BENCHMARK(BM_StageStart)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

double Percentile(std::vector<double> samples, double p) {
  std::sort(samples.begin(), samples.end());
  return samples[static_cast<size_t>(p * static_cast<double>(samples.size() - 1))];
}

// Frames of play with their render and present, running right with a jump now and then;
// the stage restarts after a miss. Reports the median and the 99th percentile frame time.
void BM_FrameOfPlay(benchmark::State& state) {
  GameWindow& w = Window();
  WindowHost host(w.form(), w.handles());
  GameState& s = w.game().state;
  s.stage = static_cast<int16_t>(state.range(0));
  StartStage(w.game(), host);
  std::vector<double> millis;
  int frame = 0;
  for (auto _ : state) {
    s.moveInput = 1;
    if (frame++ % 40 == 0 && s.jumpKey == 0) s.jumpKey = -1;
    const auto start = Clock::now();
    const FrameResult result = RunFrame(s, host);
    millis.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    if (result != FrameResult::kNone) {
      state.PauseTiming();
      StartStage(w.game(), host);
      state.ResumeTiming();
    }
  }
  ReleaseScene(w.game(), host);
  state.counters["median_ms"] = Percentile(millis, 0.5);
  state.counters["p99_ms"] = Percentile(millis, 0.99);
}
BENCHMARK(BM_FrameOfPlay)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
}  // namespace ursa

BENCHMARK_MAIN();
