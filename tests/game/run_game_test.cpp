// The stepped game under shells that call it at irregular moments: early and late wake-ups,
// slow frames and pictures reach the same states, frame by frame, as the simulator's loop.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <tuple>
#include <vector>

#include "game/key_feed.hpp"
#include "game/key_script.hpp"
#include "game/state_digest.hpp"
#include "tests/game/test_support.hpp"

namespace ursa {
namespace {

// What a frame of play left behind; lastTick is left out, as it is the clock's, not the game's.
using FrameState = std::tuple<int, int, int, int, int, int, int, int, int, int, uint32_t>;

class ShellHost : public NullHost {
 public:
  using NullHost::AdvanceClock;
  void FrameEnded(const GameState& s, FrameResult result) override {
    frames.emplace_back(s.stage, s.missCount, s.frameCount, s.playerX, s.playerY, s.velX, s.velY,
                        s.jumpKey, s.onGround, static_cast<int>(result), ObjectHash(s));
  }
  std::vector<FrameState> frames;
};

// Plays `events` from stage 1 as a shell would, feeding each frame's keys in the pumps
// between frames. Seed 0 is the simulator's loop: every wait ends exactly at its tick.
// Other seeds wake the waits early or late, spend time in pictures, and pump twice.
std::vector<FrameState> Play(const std::vector<ScriptEvent>& events, int16_t stage,
                             std::size_t frameLimit, unsigned seed) {
  Game game;
  game.state.stage = stage;
  ShellHost host;
  KeyFeed keys(events);
  std::mt19937 random(seed);
  BeginGame(game);
  while (host.frames.size() < frameLimit) {
    const StepWait wait = RunGame(game, host);
    if (game.quit || wait.pump == PumpKind::kScreen) break;
    const int64_t now = host.Milliseconds();
    if (seed == 0) {
      if (wait.pump == PumpKind::kWaiting) host.WaitUntil(wait.wakeAtMs);
    } else if (wait.pump == PumpKind::kWaiting) {
      const int64_t early = now + (wait.wakeAtMs - now) * static_cast<int64_t>(random() % 4) / 4;
      host.WaitUntil(random() % 3 == 0 ? early : wait.wakeAtMs + random() % 45);
    } else {
      host.AdvanceClock(random() % 25);  // a slow picture or a long pass over the events
    }
    const int repeats = seed != 0 && random() % 5 == 0 ? 2 : 1;
    for (int i = 0; i < repeats; ++i) {
      if (wait.pump == PumpKind::kWaiting || wait.pump == PumpKind::kAfterFrame) {
        keys.DeliverFrame(game, host, host.frames.size());
      }
    }
  }
  return host.frames;
}

TEST(RunGameStep, IrregularShellsReachTheSameStatesFrameByFrame) {
  std::ifstream file(URSA_SOURCE_DIR "/tools/ursa-sim/full-game.script");
  const ScriptParse script = ParseScript(file);
  ASSERT_TRUE(script.error.empty()) << script.error;
  // The whole game after a fall off the left of stage 1 (118 frames, then the stage again).
  std::vector<ScriptEvent> wholeGame = {{0, kKeyLeft, true}, {118, kKeyLeft, false}};
  for (ScriptEvent event : script.events) {
    event.frame += 118;
    wholeGame.push_back(event);
  }
  // Stage 6's first spike and its death sequence, the stage again, then Esc to the title.
  const std::vector<ScriptEvent> spikes = {
      {0, kKeyRight, true}, {60, kKeyRight, true}, {70, kKeyEsc, true}};
  for (const auto& [events, stage] : {std::pair{wholeGame, 1}, std::pair{spikes, 6}}) {
    const std::vector<FrameState> plain = Play(events, static_cast<int16_t>(stage), 60000, 0);
    ASSERT_GT(plain.size(), 20U);
    for (unsigned seed = 1; seed <= 3; ++seed) {
      const std::vector<FrameState> irregular =
          Play(events, static_cast<int16_t>(stage), 60000, seed);
      ASSERT_EQ(irregular.size(), plain.size()) << "stage " << stage << ", seed " << seed;
      for (std::size_t i = 0; i < plain.size(); ++i) {
        ASSERT_EQ(irregular[i], plain[i])
            << "stage " << stage << ", seed " << seed << ", frame " << i;
      }
    }
  }
}

TEST(RunGameStep, EachStepEndsAtAPumpAndAQuitStopsTheShell) {
  Game game;
  game.state.stage = 6;
  test::RecordingHost host(game);
  host.onPump = [&](Game& g, PumpKind kind) {
    if (kind == PumpKind::kWaiting && FramesRun(host) == 0) KeyDown(g, host, kKeyRight);
    if (kind == PumpKind::kDeath && host.deathFrames == 3) QueryUnload(g, host);
  };
  test::PlayToScreen(game, host);
  EXPECT_TRUE(game.quit);
  EXPECT_EQ(host.deathFrames, 3) << "no picture after the close";
  // A quitting game asks for nothing more.
  EXPECT_EQ(RunGame(game, host).pump, PumpKind::kScreen);
  EXPECT_EQ(host.deathFrames, 3);
}

}  // namespace
}  // namespace ursa
