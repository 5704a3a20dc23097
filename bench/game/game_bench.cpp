// bench-game: what the real window pays per stage start and per frame of play, how well real
// play holds 50 frames a second, and the memory stage restarts leave behind, with the game's
// own meshes on this machine's OpenGL.
// Run: SDL_VIDEODRIVER=offscreen build/bench/game/bench-game, or in a real window with
// bench/game/present_bench.sh (URSA_BENCH_FULLSCREEN=1 plays on the full screen).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/game_window.hpp"
#include "game/frame.hpp"
#include "game/game.hpp"
#include "game/stage_lifecycle.hpp"
#include "harness/key_injection.hpp"
#include "harness/pump_hook.hpp"

namespace ursa {
namespace {

using Clock = std::chrono::steady_clock;

// One window for the whole run: the game opens exactly one.
GameWindow& Window() {
  static GameWindow* window = [] {
    tk::FormOptions options;
    const char* fullscreen = std::getenv("URSA_BENCH_FULLSCREEN");
    options.windowed = fullscreen == nullptr || std::string(fullscreen) != "1";
    auto* w = new GameWindow(options);
    w->Load();
    return w;
  }();
  return *window;
}

// A stage start as the game makes it: HUD, layout, the whole scene, the player's start.
void BM_StageStart(benchmark::State& state) {
  GameWindow& w = Window();
  WindowHost& host = w.Host();
  w.Game().state.stage = static_cast<int16_t>(state.range(0));
  for (auto _ : state) StartStage(w.Game(), host);
  ReleaseScene(w.Game(), host);
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
  WindowHost& host = w.Host();
  GameState& s = w.Game().state;
  s.stage = static_cast<int16_t>(state.range(0));
  StartStage(w.Game(), host);
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
      StartStage(w.Game(), host);
      state.ResumeTiming();
    }
  }
  ReleaseScene(w.Game(), host);
  state.counters["median_ms"] = Percentile(millis, 0.5);
  state.counters["p99_ms"] = Percentile(millis, 0.99);
}
BENCHMARK(BM_FrameOfPlay)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Enter on the title, then the window's own loop (a step, then the pump it asks for) until the
// game is back on a screen, as a player's game from the title runs.
void PlayFromTitle(GameWindow& w) {
  w.KeyDown(kKeyEnter);
  while (!w.Form().Ended() && !w.Game().quit) {
    const StepWait wait = RunGame(w.Game(), w.Host());
    if (wait.pump == PumpKind::kScreen) return;
    w.Host().Pumps().Pump(wait);
  }
}

// CPU time of the whole process (RUSAGE_SELF: the rasteriser's threads too) or of the calling
// thread alone (RUSAGE_THREAD: the one that runs the rules and makes every GL call).
double CpuSeconds(int who = RUSAGE_SELF) {
  rusage usage{};
  getrusage(who, &usage);
  const auto seconds = [](timeval t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The bear's way through stage 1 in real play, from the event pump: Right held (its key's
// auto-repeat now and then) and a jump every 60 frames. Space goes down or up once in its
// frame, as a keyboard sends it: a key pushed at every pump of the frame would leave an event
// waiting at each, and the pump would spin through the wait for the next tick.
void RunAndJump(tk::Form1& form, const GameState& s, int& pumps, int32_t& spaceSentAt) {
  if (++pumps % 50 == 0) harness::PushKey(form, SDLK_RIGHT, true, true);  // auto-repeat
  if (s.frameCount == spaceSentAt) return;
  if (s.frameCount % 60 == 0 || s.frameCount % 60 == 30) {
    harness::PushKey(form, SDLK_SPACE, s.frameCount % 60 == 0);
    spaceSentAt = s.frameCount;
  }
}

// Real play on the real clock, as a player has it, for range(0) seconds: running right through
// stage 1 with a jump now and then, or (range(1) = 1) standing still at the start. Reports the
// frames per second, the time between the starts of successive frames (median, 99th
// percentile, longest), the process's CPU use, rendering threads included, as a share of one
// core and per frame, the main thread's CPU per frame, and the event pumps per frame (a pump that
// need not wait waits).
void BM_PacedPlay(benchmark::State& state) {
  GameWindow& w = Window();
  tk::Form1& form = w.Form();
  const auto seconds = std::chrono::seconds(state.range(0));
  const bool stand = state.range(1) == 1;
  std::vector<double> intervals;
  for (auto _ : state) {
    const auto start = Clock::now();
    const double cpuStart = CpuSeconds();
    const double mainStart = CpuSeconds(RUSAGE_THREAD);
    auto lastFrameAt = start;
    int32_t lastCount = -1;
    int pumps = 0;
    int32_t spaceSentAt = -1;
    int playingPumps = 0;
    const harness::PumpHook hook(form, w, [&] {
      const GameState& s = w.Game().state;
      if (w.Game().screen != Screen::kPlaying) return;
      ++playingPumps;
      if (s.frameCount != lastCount) {
        const auto now = Clock::now();
        if (lastCount >= 0) {
          intervals.push_back(std::chrono::duration<double, std::milli>(now - lastFrameAt).count());
        }
        lastFrameAt = now;
        lastCount = s.frameCount;
      }
      if (!stand) RunAndJump(form, s, pumps, spaceSentAt);
      if (Clock::now() - start > seconds) harness::PushKey(form, SDLK_ESCAPE, true);
    });
    w.Game().state.stage = 1;
    PlayFromTitle(w);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = CpuSeconds() - cpuStart;
    const auto frames = static_cast<double>(intervals.size() + 1);
    state.counters["fps"] = frames / wall;
    state.counters["cpu_percent"] = 100 * cpu / wall;
    state.counters["cpu_ms_per_frame"] = 1000 * cpu / frames;
    state.counters["main_ms_per_frame"] = 1000 * (CpuSeconds(RUSAGE_THREAD) - mainStart) / frames;
    state.counters["pumps_per_frame"] = playingPumps / frames;
  }
  state.counters["median_ms"] = Percentile(intervals, 0.5);
  state.counters["p99_ms"] = Percentile(intervals, 0.99);
  state.counters["max_ms"] = Percentile(intervals, 1.0);
}
BENCHMARK(BM_PacedPlay)
    ->ArgNames({"seconds", "stand"})
    ->Args({10, 0})
    ->Args({10, 1})
    ->Args({20, 0})
    ->Args({2, 0})  // the short run ctest plays
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// Smooth pictures at the screen's rate (60 a second under Xvfb and where the screen does not
// say) while the bear runs through stage 1 for range(0) seconds: the time between successive
// pictures put on the window (median, 99th percentile, the share within 1 ms of the
// screen's interval), pictures per second, and the CPU use as in paced play.
void BM_SmoothPlay(benchmark::State& state) {
  GameWindow& w = Window();
  tk::Form1& form = w.Form();
  const auto seconds = std::chrono::seconds(state.range(0));
  std::vector<double> intervals;
  w.SetSmoothPictures(true);
  for (auto _ : state) {
    const auto start = Clock::now();
    const double cpuStart = CpuSeconds();
    auto lastPresentAt = start;
    uint64_t presents = form.Presents();
    bool playing = false;
    int pumps = 0;
    int32_t spaceSentAt = -1;
    const harness::PumpHook hook(form, w, [&] {
      const GameState& s = w.Game().state;
      if (w.Game().screen != Screen::kPlaying) return;
      // A picture went up in the pump before this one.
      if (form.Presents() != presents) {
        const auto now = form.LastPresentAt();
        if (playing) {
          intervals.push_back(
              std::chrono::duration<double, std::milli>(now - lastPresentAt).count());
        }
        playing = true;
        lastPresentAt = now;
        presents = form.Presents();
      }
      RunAndJump(form, s, pumps, spaceSentAt);
      if (Clock::now() - start > seconds) harness::PushKey(form, SDLK_ESCAPE, true);
    });
    w.Game().state.stage = 1;
    PlayFromTitle(w);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    state.counters["pictures_per_s"] = static_cast<double>(intervals.size() + 1) / wall;
    state.counters["cpu_percent"] = 100 * (CpuSeconds() - cpuStart) / wall;
  }
  w.SetSmoothPictures(false);
  const double screenMs = 1000.0 / form.RefreshRate();
  const auto within = std::count_if(intervals.begin(), intervals.end(),
                                    [&](double ms) { return std::abs(ms - screenMs) <= 1.0; });
  state.counters["screen_ms"] = screenMs;
  state.counters["median_ms"] = Percentile(intervals, 0.5);
  state.counters["p1_ms"] = Percentile(intervals, 0.01);
  state.counters["p99_ms"] = Percentile(intervals, 0.99);
  state.counters["within_1ms_percent"] = 100.0 * static_cast<double>(within) /
                                         static_cast<double>(std::max<size_t>(intervals.size(), 1));
}
BENCHMARK(BM_SmoothPlay)->ArgName("seconds")->Arg(10)->Iterations(1)->Unit(benchmark::kSecond);

// The resident set, in MB.
double ResidentMb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

// Stage 1 restarted as fast as it builds, as a burst of misses would: the resident set after
// 20 and after 1000 starts (each start releases the last scene and builds the next).
void BM_RestartMemory(benchmark::State& state) {
  GameWindow& w = Window();
  WindowHost& host = w.Host();
  for (auto _ : state) {
    w.Game().state.stage = 1;
    for (int i = 1; i <= 1000; ++i) {
      StartStage(w.Game(), host);
      if (i == 20) state.counters["rss_mb_after_20"] = ResidentMb();
    }
    state.counters["rss_mb_after_1000"] = ResidentMb();
    ReleaseScene(w.Game(), host);
  }
  state.counters["growth_mb"] =
      state.counters["rss_mb_after_1000"] - state.counters["rss_mb_after_20"];
}
BENCHMARK(BM_RestartMemory)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace ursa

BENCHMARK_MAIN();
