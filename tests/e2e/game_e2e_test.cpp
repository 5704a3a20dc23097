// The whole game in a headless window: start-up, play, misses, the death sequence, restarts,
// the ending and quitting, checked on the screen the player sees and in the game state.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/e2e/game_driver.hpp"
#include "view/rm/rm.hpp"

namespace ursa::test {
namespace {

constexpr tk::Rect kHudBand{0, 0, 640, 50};
constexpr tk::Rect kViewport{120, 115, 400, 300};  // the 3D view, in window pixels

// What the HUD band must look like: the two texts printed on black at their places.
tk::RgbImage ReferenceHud(GameDriver& d, const std::string& stageText,
                          const std::string& missText) {
  tk::Canvas& canvas = d.Form().Canvas();
  canvas.Cls();
  canvas.SetForeColor(tk::kWhite);
  canvas.PSet(5, 5, tk::kBlack);
  canvas.Print(stageText);
  canvas.PSet(500, 5, tk::kBlack);
  canvas.Print(missText);
  return d.Form().Screenshot();
}

void ExpectSameArea(const tk::RgbImage& a, const tk::RgbImage& b, tk::Rect area) {
  int wrong = 0;
  for (int y = area.y; y < area.y + area.height; ++y) {
    for (int x = area.x; x < area.x + area.width; ++x) {
      if (!Near(a.At(x, y), b.At(x, y), 0)) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0);
}

int Area(tk::Rect r) { return r.width * r.height; }

void ExpectSceneComplete(GameWindow& w) {
  const view::SceneHandles& h = w.Handles();
  ASSERT_TRUE(h.sceneFrame);
  // Camera, light, player, 48 backdrop tiles, 100 blocks and 50 objects.
  EXPECT_EQ(h.sceneFrame->Children().size(), 201u);
  for (const auto& frame : h.blockFrames) {
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->Parent(), h.sceneFrame);
  }
  for (const auto& frame : h.objectFrames) {
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->Visuals().size(), 1u);
  }
}

TEST(GameE2E, TitlePlayHudViewEscToTitleAndEscQuits) {
  GameDriver d;
  tk::RgbImage playShot;
  std::weak_ptr<rm::Frame> oldBlock;
  std::weak_ptr<rm::Device> oldDevice;
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; },
       [&] {
         ExpectScreenPicture(d.Form().Screenshot(), d.Form().Image1(), 0);
         d.Press(SDLK_RETURN);
       }},
      {"20 frames of stage 1", [&] { return d.Playing(20); },
       [&] {
         playShot = d.Form().Screenshot();
         EXPECT_TRUE(d.Form().Picture1().Visible());
         ExpectSceneComplete(d.Window());
         oldBlock = d.Window().Handles().blockFrames[0];
         oldDevice = d.Window().Handles().device;
         d.Press(SDLK_ESCAPE);
       }},
      {"back on the title", [&] { return d.OnTitle(); },
       [&] {
         ExpectScreenPicture(d.Form().Screenshot(), d.Form().Image1(), 0);
         EXPECT_FALSE(d.Form().Picture1().Visible());
         EXPECT_EQ(d.State().stage, 1);
         EXPECT_EQ(d.State().missCount, 0);
         EXPECT_TRUE(oldBlock.expired()) << "the scene's frames outlive ReleaseScene";
         EXPECT_TRUE(oldDevice.expired()) << "the device outlives ReleaseScene";
         d.Press(SDLK_ESCAPE);
       }},
  });
  EXPECT_TRUE(d.Form().Ended());
  EXPECT_TRUE(d.Game().quit);

  // The HUD: "STAGE : 1" and "MISS : 0" in white at (5, 5) and (500, 5) on black.
  ExpectSameArea(playShot, ReferenceHud(d, "STAGE : 1", "MISS : 0"), kHudBand);
  EXPECT_GT(CountNear(playShot, {5, 5, 200, 40}, tk::kWhite, 0), 50);
  EXPECT_GT(CountNear(playShot, {500, 5, 140, 40}, tk::kWhite, 0), 50);
  // The 3D view fills the viewport; the rest of the picture box is black.
  EXPECT_LT(CountNear(playShot, kViewport, tk::kBlack, 0), Area(kViewport) / 10);
  const tk::Rect around[] = {
      {0, 50, 640, 65}, {0, 415, 640, 65}, {0, 115, 120, 300}, {520, 115, 120, 300}};
  for (const tk::Rect& r : around) EXPECT_EQ(CountNear(playShot, r, tk::kBlack, 0), Area(r));
}

TEST(GameE2E, FallingOffStageOneCostsAMissShownInTheHud) {
  GameDriver d;
  tk::RgbImage shot;
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; }, [&] { d.Press(SDLK_RETURN); }},
      {"standing", [&] { return d.Playing(5); }, [&] { d.Press(SDLK_LEFT); }},
      {"after the fall", [&] { return d.State().missCount == 1 && d.Playing(0); },
       [&] {
         shot = d.Form().Screenshot();
         EXPECT_EQ(d.State().stage, 1);
         EXPECT_EQ(d.State().playerX, 0);
         d.Press(SDLK_ESCAPE);
       }},
      {"title", [&] { return d.OnTitle(); }, [&] { d.Press(SDLK_ESCAPE); }},
  });
  ExpectSameArea(shot, ReferenceHud(d, "STAGE : 1", "MISS : 1"), kHudBand);
}

TEST(GameE2E, EnterDuringPlayRestartsTheStageWithoutAMiss) {
  GameDriver d;
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; }, [&] { d.Press(SDLK_RETURN); }},
      {"walking", [&] { return d.Playing(30); }, [&] { d.Press(SDLK_RIGHT); }},
      {"restart", [&] { return d.Playing(60); },
       [&] {
         EXPECT_GT(d.State().playerX, 0);
         d.Press(SDLK_RETURN);
       }},
      {"rebuilt", [] { return true; },
       [&] {
         EXPECT_EQ(d.State().frameCount, 0);
         EXPECT_EQ(d.State().playerX, 0);
         EXPECT_EQ(d.State().playerY, 50);
         EXPECT_EQ(d.State().moveInput, 0);
         EXPECT_EQ(d.State().missCount, 0);
         EXPECT_EQ(d.State().stage, 1);
         EXPECT_EQ(d.Game().screen, Screen::kPlaying);
         ExpectSceneComplete(d.Window());
       }},
      {"standing again", [&] { return d.Playing(10); },
       [&] {
         EXPECT_EQ(d.State().playerX, 0);
         d.Press(SDLK_ESCAPE);
       }},
      {"title", [&] { return d.OnTitle(); }, [&] { d.Press(SDLK_ESCAPE); }},
  });
}

TEST(GameE2E, RebuildingAStageManyTimesDoesNotGrow) {
  GameDriver d;
  rm::LiveObjects first;
  std::vector<GameDriver::Step> steps = {
      GameDriver::StartUp(),
      {"title", [] { return true; },
       [&] {
         d.State().stage = 10;  // the stage with the most objects: 47 meshes of their own
         d.Press(SDLK_RETURN);
       }},
      {"first build", [&] { return d.Playing(2); },
       [&] {
         ExpectSceneComplete(d.Window());
         first = rm::CountLiveObjects();
         d.Press(SDLK_RETURN);
       }},
  };
  for (int restart = 1; restart <= 5; ++restart) {
    steps.push_back({"restart", [&] { return d.Playing(2); }, [&] { d.Press(SDLK_RETURN); }});
  }
  steps.push_back({"after them", [&] { return d.Playing(2); },
                   [&] {
                     ExpectSceneComplete(d.Window());
                     EXPECT_EQ(rm::CountLiveObjects(), first);
                     d.Press(SDLK_ESCAPE);
                   }});
  steps.push_back({"title", [&] { return d.OnTitle(); }, [&] { d.Press(SDLK_ESCAPE); }});
  d.Run(std::move(steps));
}

// Stage 6 from the title, running right into the spike that stands at x 400 on the floor;
// then the steps of `after`.
void RunIntoTheSpikeThen(GameDriver& d, const std::vector<GameDriver::Step>& after) {
  std::vector<GameDriver::Step> steps = {
      GameDriver::StartUp(),
      {"title", [] { return true; },
       [&d] {
         d.State().stage = 6;
         d.Press(SDLK_RETURN);
       }},
      {"walk into the spike", [&d] { return d.Playing(3); }, [&d] { d.Press(SDLK_RIGHT); }},
  };
  steps.insert(steps.end(), after.begin(), after.end());
  d.Run(std::move(steps));
}

TEST(GameE2E, SpikeDeathIsPacedAndCostsAMiss) {
  GameDriver d;
  int64_t deathStart = 0;
  const std::vector<GameDriver::Step> after = {
      {"dying", [&] { return d.Game().screen == Screen::kDying; }, [&] { deathStart = d.Now(); }},
      {"restarted", [&] { return d.State().missCount == 1 && d.Playing(0); },
       [&] {
         // 200 intervals of at least 1/60 s between the 201 pictures.
         EXPECT_GE(d.Now() - deathStart, 200 * 1000 / 60);
         EXPECT_EQ(d.State().stage, 6);
         EXPECT_EQ(d.State().playerX, 0);
         d.Press(SDLK_ESCAPE);
       }},
      {"title", [&] { return d.OnTitle(); }, [&] { d.Press(SDLK_ESCAPE); }},
  };
  RunIntoTheSpikeThen(d, after);
}

TEST(GameE2E, EscDuringTheDeathSequenceReturnsToTheTitleAfterIt) {
  GameDriver d;
  const std::vector<GameDriver::Step> after = {
      {"dying", [&] { return d.Game().screen == Screen::kDying; },
       [&] {
         d.Press(SDLK_ESCAPE);
         d.Press(SDLK_ESCAPE);  // a double press must not quit the game
       }},
      {"title", [&] { return d.OnTitle(); },
       [&] {
         EXPECT_FALSE(d.Form().Ended());
         EXPECT_EQ(d.State().missCount, 1);
         EXPECT_EQ(d.State().stage, 6);
         ExpectScreenPicture(d.Form().Screenshot(), d.Form().Image1(), 0);
         d.Press(SDLK_ESCAPE);
       }},
  };
  RunIntoTheSpikeThen(d, after);
  EXPECT_TRUE(d.Form().Ended());
}

// A key wakes the death sequence's wait for its next picture early, and the window is closed
// in the wait that follows: the program ends there, and nothing is drawn with the scene the
// close released.
TEST(GameE2E, ClosingTheWindowDuringTheDeathSequenceEndsTheProgram) {
  GameDriver d;
  const std::vector<GameDriver::Step> after = {
      {"dying", [&] { return d.Game().screen == Screen::kDying && d.State().deathTimer >= 10; },
       [&] { d.Press(SDLK_SPACE); }},
      {"close", [] { return true; }, [] { GameDriver::Close(); }},
  };
  RunIntoTheSpikeThen(d, after);
  EXPECT_TRUE(d.Form().Ended());
  EXPECT_TRUE(d.Game().quit);
  EXPECT_FALSE(d.Window().Handles().sceneFrame) << "the close released the scene";
  EXPECT_LT(d.State().deathTimer, 200) << "the death sequence stopped at the close";
}

TEST(GameE2E, TheDoorOfStageFifteenLeadsToTheEnding) {
  GameDriver d;
  tk::RgbImage ending;
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; },
       [&] {
         d.State().stage = 15;
         d.Press(SDLK_RETURN);
       }},
      {"landed", [&] { return d.Playing(3) && d.State().onGround == 1; },
       [&] {
         // Put the bear in front of the door on top of the tower, then open it.
         d.State().playerX = 400;
         d.State().playerY = 800;
         d.Press(SDLK_SPACE);
       }},
      {"ending", [&] { return d.Game().screen == Screen::kEnding; },
       [&] {
         ending = d.Form().Screenshot();
         EXPECT_EQ(d.State().stage, 16);
         EXPECT_EQ(d.State().running, kFalse);
         EXPECT_FALSE(d.Form().Picture1().Visible());
         d.Press(SDLK_SPACE);  // does nothing on the ending screen
       }},
      {"still the ending", [] { return true; },
       [&] {
         EXPECT_EQ(d.Game().screen, Screen::kEnding);
         ExpectSameArea(d.Form().Screenshot(), ending, {0, 0, 640, 480});
         d.Press(SDLK_ESCAPE);
       }},
  });
  EXPECT_TRUE(d.Form().Ended());

  // Left of the numbers the ending half of the picture; the numbers white, outlined in blue.
  int wrong = 0;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 240; ++x) {
      if (!Near(ending.At(x, y), d.Form().Image1().Pixel(x / 2, 240 + y / 2))) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0);
  for (int rowTop : {182, 245, 370}) {
    const tk::Rect number{249, rowTop - 1, 160, 36};
    EXPECT_GT(CountNear(ending, number, tk::kWhite, 0), 20) << "row at " << rowTop;
    EXPECT_GT(CountNear(ending, number, tk::kBlue, 8), 20) << "row at " << rowTop;
  }
}

}  // namespace
}  // namespace ursa::test
