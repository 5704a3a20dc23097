// Helpers for the rules tests: hand-built stage states, and a game host that records what
// RunGame asks of it, with the shell's loop, so that a test can act inside the event pumps.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/frame.hpp"
#include "game/game.hpp"
#include "game/null_host.hpp"
#include "game/stage_layouts.hpp"

namespace ursa::test {

// A state laid out for `stage` with the player at the start point.
inline GameState StageState(int16_t stage) {
  GameState s;
  s.stage = stage;
  LoadStageLayout(s);
  PlacePlayerAtStart(s);
  return s;
}

// Empty tables; the player stands still at (x, y).
inline GameState EmptyState(int16_t x = 0, int16_t y = 0) {
  GameState s = StageState(0);
  s.playerX = x;
  s.playerY = y;
  return s;
}

// A floor of blocks 150 apart with its top at y = 0, from x = -1500 far to the right.
inline GameState FloorState(int16_t x = 0) {
  GameState s = EmptyState(x, 0);
  for (int i = 0; i < 60; ++i) {
    s.blockX[i] = static_cast<int16_t>(-1500 + 150 * i);
    s.blockY[i] = -150;
  }
  return s;
}

inline void PutObject(GameState& s, int i, int16_t kind, int16_t x, int16_t y, int16_t limitA = 0,
                      int16_t limitB = 0, int16_t vel = 0) {
  s.objKind[i] = kind;
  s.objX[i] = x;
  s.objY[i] = y;
  s.objLimitA[i] = limitA;
  s.objLimitB[i] = limitB;
  s.objVel[i] = vel;
}

// Records the host calls in order ("hud 1", "build 1", "pump waiting", "frame door", ...) and
// runs `onPump` inside every event pump, after the clock has moved.
class RecordingHost : public NullHost {
 public:
  explicit RecordingHost(Game& game) : game_(game) {}

  std::function<void(Game&, PumpKind)> onPump;
  std::vector<std::string> log;
  std::vector<FrameResult> frames;
  std::vector<int64_t> frameStartsMs;  // clock when each frame placed the player and camera
  int64_t frameCostMs = 0;             // time each rendered frame takes
  int deathFrames = 0;
  int endProgramCalls = 0;
  bool logPumps = true;

  // The shell's pump between two steps: the clock moves, then the test acts.
  void Pump(PumpKind kind, int64_t wakeAtMs) {
    if (kind == PumpKind::kWaiting) WaitUntil(wakeAtMs);
    if (logPumps || kind == PumpKind::kLeaving) log.emplace_back(std::string("pump ") + Name(kind));
    if (onPump) onPump(game_, kind);
  }
  void SetPictureVisible(bool visible) override { log.emplace_back(visible ? "show" : "hide"); }
  void DrawHud(const GameState& s) override { log.emplace_back("hud " + std::to_string(s.stage)); }
  void BuildScene(const GameState& s) override {
    log.emplace_back("build " + std::to_string(s.stage));
  }
  void ReleaseScene() override { log.emplace_back("release"); }
  void DrawTitleScreen() override { log.emplace_back("title"); }
  void DrawEndingScreen(GameState& s) override {
    log.emplace_back("ending " + std::to_string(s.frameCount));
  }
  void PlacePlayerAndCamera(const GameState& /*s*/) override {
    frameStartsMs.push_back(Milliseconds());
  }
  void RenderView() override { AdvanceClock(frameCostMs); }
  void RenderDeathFrame(const GameState& /*s*/) override { ++deathFrames; }
  void FrameEnded(const GameState& s, FrameResult result) override {
    frames.push_back(result);
    log.emplace_back("frame " + std::string(FrameResultName(result)) + " miss " +
                     std::to_string(s.missCount));
  }
  void EndProgram() override {
    ++endProgramCalls;
    log.emplace_back("end program");
  }

  // A key that a pump brings: the rules take it at their next step.
  void Press(int keyCode, bool down = true) { keys_.push_back({keyCode, down}); }
  std::optional<KeyPress> NextKey(const Game& /*game*/) override {
    if (keys_.empty()) return std::nullopt;
    const KeyPress key = keys_.front();
    keys_.pop_front();
    return key;
  }
  int Count(const std::string& entry) const {
    int n = 0;
    for (const std::string& e : log) n += e == entry ? 1 : 0;
    return n;
  }

  static const char* Name(PumpKind kind) {
    switch (kind) {
      case PumpKind::kScreen:
        return "screen";
      case PumpKind::kWaiting:
        return "waiting";
      case PumpKind::kAfterFrame:
        return "after";
      case PumpKind::kDeath:
        return "death";
      case PumpKind::kLeaving:
        return "leaving";
    }
    return "?";
  }

 private:
  Game& game_;
  std::deque<KeyPress> keys_;
};

// The shell's loop: steps the game, pumping between steps, until a screen shows or the
// program ends.
inline void StepToScreen(Game& game, RecordingHost& host) {
  while (true) {
    const StepWait wait = RunGame(game, host);
    if (game.quit || wait.pump == PumpKind::kScreen) return;
    host.Pump(wait.pump, wait.wakeAtMs);
  }
}

// Plays from the current stage until the title or the ending shows or the program ends.
inline void PlayToScreen(Game& game, RecordingHost& host) {
  BeginGame(game);
  StepToScreen(game, host);
}

// Enter on the title, then the game it starts, until a screen shows again.
inline void PlayFromTitle(Game& game, RecordingHost& host) {
  KeyDown(game, host, kKeyEnter);
  StepToScreen(game, host);
}

// Number of frames of play that have run so far, as seen from inside a pump.
inline int FramesRun(const RecordingHost& host) { return static_cast<int>(host.frames.size()); }

}  // namespace ursa::test
