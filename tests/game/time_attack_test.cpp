// The time attack's rules: a run timer that deaths, misses and restarts never set back, a split
// at each door, a ghost that plays its recording in lockstep with the player, and scripts that
// open one.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "game/ending_figures.hpp"
#include "game/ghost_run.hpp"
#include "game/key_script_play.hpp"
#include "tests/sim_runner.hpp"

namespace ursa {
namespace {

std::vector<ScriptEvent> Parse(const std::string& text) {
  std::istringstream in(text);
  ScriptParse parse = ParseScript(in);
  EXPECT_EQ(parse.error, "");
  return parse.events;
}

// The whole game without a miss, as a time attack's recording holds it.
std::string FullGameTimeAttack() {
  std::ifstream in(std::string(URSA_SOURCE_DIR) + "/tools/ursa-sim/full-game.script");
  std::stringstream text;
  text << "0 TimeAttack down\n" << in.rdbuf();
  return text.str();
}

// A script's time attack, with what the timer told the host.
class TimedPlay : public KeyScriptPlay {
 public:
  using KeyScriptPlay::KeyScriptPlay;
  void RunTimed(const RunTimer& run) override {
    EXPECT_EQ(run.frames, ++timed);
    if (ghost != nullptr) ghost->StepTo(run.frames);
  }
  void StageTimed(int stage, int32_t stageFrames, const RunTimer& /*run*/) override {
    splits.emplace_back(stage, stageFrames);
  }
  void RenderDeathFrame(const GameState& /*s*/) override { ++deathPictures; }
  void DrawTimeAttackEnding(GameState& /*s*/, const RunTimer& run) override {
    endingRun = run.frames;
  }
  void FrameEnded(const GameState& s, FrameResult result) override {
    KeyScriptPlay::FrameEnded(s, result);
    spikes += result == FrameResult::kSpike ? 1 : 0;
    // The ghost's frame of the same number has run: its bear stands where the player's does.
    if (ghost != nullptr && result == FrameResult::kNone) {
      ASSERT_NE(ghost->Bear(), nullptr);
      EXPECT_EQ(ghost->Bear()->playerX, s.playerX);
      EXPECT_EQ(ghost->Bear()->playerY, s.playerY);
      EXPECT_EQ(ghost->Bear()->stage, s.stage);
    }
  }

  GhostRun* ghost = nullptr;
  int32_t timed = 0;
  int spikes = 0;
  int deathPictures = 0;
  int32_t endingRun = -1;
  std::vector<std::pair<int, int32_t>> splits;
};

TEST(TimeAttack, ARunIsTimedFromStageOneToTheLastDoorWithASplitAtEachDoor) {
  const std::vector<ScriptEvent> events = Parse(FullGameTimeAttack());
  ASSERT_TRUE(OpensTimeAttack(events));
  Game game;
  game.state.stage = 7;  // a time attack always starts from stage 1
  game.state.missCount = 3;
  TimedPlay play(game, events);
  play.Run();
  EXPECT_EQ(game.screen, Screen::kEnding);
  EXPECT_EQ(game.run.frames, static_cast<int32_t>(play.FramesRun()));
  EXPECT_EQ(play.endingRun, game.run.frames);
  ASSERT_EQ(play.splits.size(), 15U);
  int32_t sum = 0;
  for (std::size_t i = 0; i < play.splits.size(); ++i) {
    EXPECT_EQ(play.splits[i].first, static_cast<int>(i) + 1);
    sum += play.splits[i].second;
  }
  EXPECT_EQ(sum, game.run.frames);
  EXPECT_EQ(play.splits[0].second, 124);  // the route's stage 1: frames 0 to 123
}

TEST(TimeAttack, DeathsMissesAndRestartsCountOnButEnterResetsOnlyTheClearTime) {
  // Running right into stage 6's first spike again and again, with restarts in between.
  std::string script = "0 TimeAttack down\n";
  for (int frame = 0; frame < 400; frame += 10) {
    script +=
        std::to_string(frame) + (frame == 100 || frame == 250 ? " Enter" : " Right") + " down\n";
  }
  const std::vector<ScriptEvent> events = Parse(script);
  Game game;
  TimedPlay play(game, events, 400);
  play.Begin();
  game.state.stage = 6;
  while (play.Step()) {
  }
  ASSERT_GE(play.spikes, 2);
  EXPECT_TRUE(game.timeAttack);
  // Every frame of play and every step of each death sequence, one per picture.
  EXPECT_EQ(game.run.frames, static_cast<int32_t>(play.FramesRun()) + 201 * play.spikes);
  EXPECT_EQ(play.deathPictures, 201 * play.spikes);
  EXPECT_LT(game.state.frameCount, 400 - 250);
  EXPECT_EQ(game.state.missCount, play.spikes);
  EXPECT_TRUE(play.splits.empty());
}

TEST(TimeAttack, TheGhostStepsInLockstepAndNeverTouchesThePlayersGame) {
  const std::vector<ScriptEvent> events = Parse(FullGameTimeAttack());
  GhostRun ghost(events);
  Game game;
  TimedPlay play(game, events);
  play.ghost = &ghost;
  play.Run();
  EXPECT_EQ(ghost.Run().frames, game.run.frames);
  // A timer behind the ghost's leaves it; past the end of its run it is gone.
  ghost.StepTo(5);
  EXPECT_EQ(ghost.Run().frames, game.run.frames);
  ghost.StepTo(game.run.frames + 100);
  EXPECT_EQ(ghost.Bear(), nullptr);
  // The same run without a ghost: the player's game is the same.
  Game alone;
  TimedPlay(alone, events).Run();
  EXPECT_EQ(alone.run.frames, game.run.frames);
  EXPECT_EQ(alone.state.frameCount, game.state.frameCount);
}

TEST(TimeAttack, ItsKeyStartsARunOnlyFromTheTitle) {
  Game game;
  NullHost host;
  game.state.stage = 4;
  KeyDown(game, host, kKeyTimeAttack);
  EXPECT_TRUE(game.timeAttack);
  EXPECT_EQ(game.state.stage, 1);
  EXPECT_EQ(game.next, NextStep::kStartGame);

  Game playing;
  BeginGame(playing);
  playing.run.frames = 77;
  KeyDown(playing, host, kKeyTimeAttack);
  EXPECT_FALSE(playing.timeAttack);
  EXPECT_EQ(playing.run.frames, 77);
  // Enter on the title plays the normal game, whatever came before.
  Game after;
  after.timeAttack = true;
  KeyDown(after, host, kKeyEnter);
  EXPECT_FALSE(after.timeAttack);
  // Only a time attack key pressed at frame 0 opens a script's time attack.
  EXPECT_FALSE(OpensTimeAttack(Parse("0 Right down\n0 TimeAttack down\n")));
  EXPECT_FALSE(OpensTimeAttack(Parse("1 TimeAttack down\n")));
}

TEST(TimeAttack, TheClockReadsMinutesSecondsAndHundredthsOfFiftyFrames) {
  EXPECT_EQ(RunTimeText(0), "0:00.00");
  EXPECT_EQ(RunTimeText(1), "0:00.02");
  EXPECT_EQ(RunTimeText(3484), "1:09.68");
  EXPECT_EQ(RunTimeText(50 * 3600), "60:00.00");
  EXPECT_EQ(RunTimeText(-5), "0:00.00");
  GameState s;
  RunTimer run;
  run.frames = 12;
  EXPECT_TRUE(EndLine("ending", s, &run).ends_with(" score=10000 run=12"));
  EXPECT_TRUE(EndLine("ending", s).ends_with(" score=10000"));
}

TEST(TimeAttack, UrsaSimPlaysATimeAttackRecordingAndSaysItsRun) {
  const std::string path = test::WriteTemp("time-attack.script", FullGameTimeAttack());
  const test::SimRun run = test::RunSim("play " + path);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "end ending stage=16 miss=0 frames=3469 time=346 score=9654 run=3484\n");
}

}  // namespace
}  // namespace ursa
