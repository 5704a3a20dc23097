// A time attack in the real window, headless on the virtual clock: T on the title starts it,
// the clock counts in the HUD band, and the best run's ghost runs beside the player in the 3D
// view only, as the settings ask.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/time_attack_records.hpp"
#include "harness/scripted_play.hpp"
#include "tests/sim_runner.hpp"
#include "toolkit/rect.hpp"
#include "view/pause_banner.hpp"

namespace ursa::test {
namespace {

using harness::ScriptedPlay;

std::string FullGameTimeAttack() {
  std::ifstream in(std::string(URSA_SOURCE_DIR) + "/tools/ursa-sim/full-game.script");
  std::stringstream text;
  text << "0 TimeAttack down\n" << in.rdbuf();
  return text.str();
}

// The picture 20 frames into a game in which the player stands still: a time attack (T on the
// title) with `records` kept, or a normal game (Enter). `png`: where it is saved too, if set.
tk::RgbImage PictureOfAGame(TimeAttackRecords& records, bool ghost, SDL_Keycode start = SDLK_t,
                            const std::string& png = {}) {
  ScriptedPlay play;
  play.Window().SetTimeAttackRecords(records, ghost);
  tk::RgbImage picture;
  const std::string missed = play.Run({
      ScriptedPlay::StartUp(),
      {"the title", [&] { return play.OnTitle(); }, [&] { play.Press(start); }},
      {"20 frames of play", [&] { return play.Playing(20); },
       [&] {
         picture = play.Form().Screenshot(png);
         ScriptedPlay::Close();
       }},
  });
  EXPECT_EQ(missed, "");
  EXPECT_EQ(play.Game().timeAttack, start == SDLK_t);
  return picture;
}

// Pixels of `a` and `b` that differ inside `area`, and outside it.
std::pair<int, int> Differences(const tk::RgbImage& a, const tk::RgbImage& b, tk::Rect area) {
  int inside = 0;
  int outside = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (a.At(x, y) == b.At(x, y)) continue;
      (gl::Contains(area, {x, y, 1, 1}) ? inside : outside) += 1;
    }
  }
  return {inside, outside};
}

TEST(TimeAttackWindow, TheClockCountsInTheBandAndTheGhostRunsInTheViewOnly) {
  const std::string folder = TempPath("time-attack-window");
  std::filesystem::remove_all(folder);
  TimeAttackRecords records(folder);
  ASSERT_TRUE(records.RunFinished(3484, FullGameTimeAttack()));
  ASSERT_TRUE(records.BestRunEvents().has_value());

  const char* png = std::getenv("URSA_TIME_ATTACK_PNG");  // to look at the picture
  const tk::RgbImage withGhost = PictureOfAGame(records, true, SDLK_t, png != nullptr ? png : "");
  const tk::RgbImage alone = PictureOfAGame(records, false);
  ASSERT_EQ(withGhost.width, 640);
  // The ghost has run ahead on the route while the player stood: it shows in the 3D view and
  // nowhere else; the band, with the same time on the clock, is the same.
  constexpr tk::Rect kView{120, 115, 400, 300};
  const auto [inView, elsewhere] = Differences(withGhost, alone, kView);
  EXPECT_GT(inView, 20);
  EXPECT_EQ(elsewhere, 0);

  // Without a best run there is no ghost: the picture is the lone one.
  TimeAttackRecords none{std::string()};
  const tk::RgbImage noBest = PictureOfAGame(none, true);
  EXPECT_EQ(Differences(noBest, alone, kView), std::make_pair(0, 0));
  // The normal game has the same view but no clock in its band.
  const tk::RgbImage normal = PictureOfAGame(none, true, SDLK_RETURN);
  const auto [clock, rest] = Differences(alone, normal, view::kHudBand);
  EXPECT_GT(clock, 50);
  EXPECT_EQ(rest, 0);
}

TEST(TimeAttackWindow, ARunPlayedToTheEndingIsKeptAsTheBestWithARecordingThatReplaysToIt) {
  const std::string folder = TempPath("time-attack-run");
  std::filesystem::remove_all(folder);
  TimeAttackRecords records(folder);
  ScriptedPlay play;
  play.Window().SetTimeAttackRecords(records, true);
  std::istringstream text(FullGameTimeAttack());
  ScriptParse script = ParseScript(text);
  // The route's keys through the window, T on the title first.
  play.FeedKeys(std::move(script.events));
  const std::string missed = play.Run({
      ScriptedPlay::StartUp(),
      {"the ending", [&] { return play.Game().screen == Screen::kEnding; },
       [&] {
         if (const char* png = std::getenv("URSA_TIME_ATTACK_PNG")) {
           play.Form().Screenshot(std::string(png) + ".ending.png");
         }
         ScriptedPlay::Close();
       }},
  });
  ASSERT_EQ(missed, "");
  EXPECT_EQ(play.Game().run.frames, 3484);

  // Kept for the next program: the run, every stage's split, the recording.
  TimeAttackRecords later(folder);
  EXPECT_EQ(later.Bests().run, 3484);
  for (const std::optional<int32_t>& stage : later.Bests().stages) EXPECT_TRUE(stage.has_value());
  const SimRun replay = RunSim("play " + later.BestRunPath());
  EXPECT_EQ(replay.status, 0) << replay.err;
  EXPECT_TRUE(replay.out.ends_with(" run=3484\n")) << replay.out;
}

}  // namespace
}  // namespace ursa::test
