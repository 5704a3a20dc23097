// The whole game, stage 1 to the ending, played through the window with the key script the
// simulator replays: the window must end exactly where the simulator does.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "game/key_script.hpp"
#include "tests/e2e/game_driver.hpp"
#include "tests/sim_runner.hpp"

namespace ursa::test {
namespace {

struct EndFigures {
  std::string reason;
  int stage = -1;
  int misses = -1;
  int frames = -1;
};

// The `end` line of `ursa-sim play` for the script.
EndFigures SimulatorEnd(const std::string& script) {
  const SimRun run = RunSim("play " + script);
  EndFigures end;
  char reason[16] = {};
  if (run.status == 0 && std::sscanf(run.out.c_str(), "end %15s stage=%d miss=%d frames=%d", reason,
                                     &end.stage, &end.misses, &end.frames) == 4) {
    end.reason = reason;
  }
  return end;
}

TEST(FullGame, TheWindowPlaysTheWholeGameAsTheSimulatorDoes) {
  const std::string script = std::string(URSA_SOURCE_DIR) + "/tools/ursa-sim/full-game.script";
  const EndFigures expected = SimulatorEnd(script);
  ASSERT_EQ(expected.reason, "ending");

  std::ifstream file(script);
  ScriptParse keys = ParseScript(file);
  ASSERT_EQ(keys.error, "");

  GameDriver d;
  d.FeedKeys(keys.events);
  tk::RgbImage ending;
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; }, [&] { d.Press(SDLK_RETURN); }},
      {"ending", [&] { return d.Game().screen == Screen::kEnding; },
       [&] {
         ending = d.Form().Screenshot();
         d.Press(SDLK_ESCAPE);
       }},
  });
  EXPECT_TRUE(d.KeysFed());
  EXPECT_EQ(d.State().stage, expected.stage);
  EXPECT_EQ(d.State().missCount, expected.misses);
  EXPECT_EQ(d.State().frameCount, expected.frames);
  // Every stage's door was taken at the frame the simulator took it: no frame more or less.
  EXPECT_EQ(d.Window().FramesRun(), expected.frames + 15);
  EXPECT_GT(CountNear(ending, {249, 181, 160, 36}, tk::kBlue), 20) << "the clear time is shown";
}

// Smooth pictures draw the bear between ticks at 60 pictures a second, and the rules play on
// exactly as the simulator does.
TEST(FullGame, SmoothPicturesDrawBetweenTicksAndLeaveThePlayAsItIs) {
  const std::string script = std::string(URSA_SOURCE_DIR) + "/tools/ursa-sim/full-game.script";
  constexpr int kFrames = 600;  // into stage 3
  const std::vector<std::string> trace = RunSim("trace --frames 600 " + script).Lines();
  ASSERT_GE(trace.size(), size_t{kFrames});
  int stage = 0, misses = 0, frameCount = 0, x = 0, y = 0;
  ASSERT_EQ(std::sscanf(trace[kFrames - 1].c_str(), "%*d %d %d %d %d %d", &stage, &misses,
                        &frameCount, &x, &y),
            5);

  std::ifstream file(script);
  ScriptParse keys = ParseScript(file);
  GameDriver d;
  d.Window().SetSmoothPictures(true);
  d.FeedKeys(keys.events);
  int64_t tick = -1;
  float tickX = 0, lastTickX = 0;
  int between = 0, outside = 0;
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; }, [&] { d.Press(SDLK_RETURN); }},
      {"frame 600",
       [&] {
         if (d.Game().screen != Screen::kPlaying) return false;
         const int64_t run = d.Window().FramesRun();
         if (run != tick) {
           lastTickX = run == tick + 1 ? tickX : d.State().playerX;
           tickX = d.State().playerX;
           tick = run;
         }
         // What the last picture drew: on the way from the last tick to this one.
         const float drawn = d.Window().Handles().playerFrame->Position().x;
         if (drawn != tickX) ++between;
         if (drawn < std::min(lastTickX, tickX) || drawn > std::max(lastTickX, tickX)) ++outside;
         return run >= kFrames;
       },
       [&] { d.Close(); }},
  });
  EXPECT_EQ(d.Window().FramesRun(), kFrames);
  EXPECT_EQ(d.State().stage, stage);
  EXPECT_EQ(d.State().missCount, misses);
  EXPECT_EQ(d.State().frameCount, frameCount);
  EXPECT_EQ(d.State().playerX, x);
  EXPECT_EQ(d.State().playerY, y);
  EXPECT_GT(between, kFrames / 4);
  EXPECT_EQ(outside, 0);
}

}  // namespace
}  // namespace ursa::test
