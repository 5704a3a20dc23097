// A time attack's session in the shell: the run's recording counts from the run's start, so
// the best run kept replays on its own to the same time; splits measure against the best
// before and the par, and what is kept outlasts the program.
#include "app/time_attack_session.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/key_script_play.hpp"
#include "game/par_times.hpp"
#include "tests/app/file_test_support.hpp"

namespace ursa {
namespace {

std::vector<ScriptEvent> FullGameTimeAttack() {
  std::ifstream in(std::string(URSA_SOURCE_DIR) + "/tools/ursa-sim/full-game.script");
  std::stringstream text;
  text << "0 TimeAttack down\n" << in.rdbuf();
  ScriptParse parse = ParseScript(text);
  EXPECT_EQ(parse.error, "");
  return parse.events;
}

std::string TempFolder(const std::string& name) {
  const std::string folder = testing::TempDir() + "/ursa-session-" + name;
  std::filesystem::remove_all(folder);
  return folder;
}

TEST(TimeAttackSession, ARunBegunLateIsKeptAsARecordingThatReplaysToTheSameTime) {
  const std::vector<ScriptEvent> events = FullGameTimeAttack();
  Game game;
  KeyScriptPlay play(game, events);
  play.Run();
  ASSERT_EQ(game.screen, Screen::kEnding);

  test::Said said;
  TimeAttackRecords records(TempFolder("late"), said.Stream());
  TimeAttackSession session(records, true);
  // The program had run 700 frames of a normal game before T on the title.
  constexpr uint64_t kOrigin = 700;
  session.Record(Screen::kPlaying, {650, kKeyLeft, true});  // before the run: not its own
  session.Begin(kOrigin);
  for (const ScriptEvent& e : events) {
    const Screen screen = &e == &events.front() ? Screen::kTitle : Screen::kPlaying;
    session.Record(screen, {e.frame + kOrigin, e.keyCode, e.down});
  }
  const TimeAttackSession::Ending ending = session.Finish(game.run);
  EXPECT_TRUE(ending.newBest);
  EXPECT_FALSE(ending.bestRun.has_value());
  EXPECT_EQ(ending.parTotal, ParTotalFrames());
  EXPECT_FALSE(session.Active());

  // Kept, read by the next program, and played by the same rules to the same time.
  TimeAttackRecords later(records.BestsPath().substr(0, records.BestsPath().rfind('/')),
                          said.Stream());
  EXPECT_EQ(later.Bests().run, game.run.frames);
  const std::optional<std::vector<ScriptEvent>> best = later.BestRunEvents();
  ASSERT_TRUE(best.has_value());
  EXPECT_EQ(*best, events);
  EXPECT_EQ(said.Text(), "");
}

TEST(TimeAttackSession, ASplitIsMeasuredAgainstTheBestBeforeItAndThePar) {
  test::Said said;
  TimeAttackRecords records(TempFolder("splits"), said.Stream());
  TimeAttackSession session(records, false);
  session.Begin(0);
  const TimeAttackSession::Split first = session.StageTimed(3, 400);
  EXPECT_FALSE(first.best.has_value());
  EXPECT_TRUE(first.newBest);
  EXPECT_EQ(first.par, ParOf(3).frames);
  const TimeAttackSession::Split slower = session.StageTimed(3, 450);
  EXPECT_EQ(slower.best, 400);
  EXPECT_FALSE(slower.newBest);
  const TimeAttackSession::Split faster = session.StageTimed(3, 390);
  EXPECT_EQ(faster.best, 400);
  EXPECT_TRUE(faster.newBest);
  // No ghost when it is off, or when there is no best run to play.
  EXPECT_EQ(session.GhostBear(), nullptr);
}

TEST(TimeAttackSession, ARunThatNeverBeganKeepsNoRecording) {
  test::Said said;
  TimeAttackRecords records(TempFolder("none"), said.Stream());
  TimeAttackSession session(records, true);
  session.Record(Screen::kPlaying, {5, kKeyRight, true});
  RunTimer run;
  run.frames = 3000;
  EXPECT_FALSE(session.Finish(run).newBest);
  EXPECT_FALSE(records.BestRunEvents().has_value());
}

}  // namespace
}  // namespace ursa
