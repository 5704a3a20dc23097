// The time attack's clock and split note in the HUD band, the pause banner over them, and the
// time attack's ending screen, drawn on a canvas.
#include "view/run_clock.hpp"

#include <limits>
#include <optional>
#include <vector>

#include "game/par_times.hpp"
#include "tests/view/view_fixture.hpp"
#include "view/pause_banner.hpp"
#include "view/screens.hpp"
#include "view/time_attack_ending.hpp"

namespace ursa::test {
namespace {

using Pixels = std::vector<uint32_t>;
constexpr int kMax = std::numeric_limits<int32_t>::max();

bool Overlap(tk::Rect a, tk::Rect b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// The canvas's rows from `top` to `bottom`.
Pixels Rows(const tk::Canvas& from, int top, int bottom = tk::Canvas::kHeight) {
  Pixels pixels;
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < tk::Canvas::kWidth; ++x) pixels.push_back(from.Point(x, y));
  }
  return pixels;
}
Pixels Band(const tk::Canvas& from) { return Rows(from, 0, view::kHudBand.height); }

// Pixels that differ between two sets of the same rows, leaving out those in `skip`.
int Differing(const Pixels& a, const Pixels& b, tk::Rect skip = {}) {
  int differing = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    const int x = static_cast<int>(i % tk::Canvas::kWidth);
    const int y = static_cast<int>(i / tk::Canvas::kWidth);
    differing += a[i] != b[i] && !Overlap(skip, {x, y, 1, 1});
  }
  return differing;
}

int Counting(const Pixels& pixels, uint32_t color) {
  return static_cast<int>(std::count(pixels.begin(), pixels.end(), color));
}

class RunClockTest : public CanvasViewTest {
 protected:
  RunClockTest() { s.stage = 4; }

  static RunTimer At(int32_t frames) { return RunTimer{frames, 0}; }

  // The band as a stage start draws it with the clock at `frames`, on a canvas of its own.
  Pixels FreshBand(int32_t frames) {
    tk::Canvas fresh{face};
    view::RunClock freshClock{face};
    view::DrawHud(fresh, s);
    freshClock.BandDrawn(fresh, s, At(frames));
    return Band(fresh);
  }

  view::RunClock clock{face};
};

TEST_F(RunClockTest, EachTickRepaintsOnlyTheClockAndReadsAsAFreshBand) {
  view::DrawHud(canvas, s);
  clock.BandDrawn(canvas, s, At(0));
  // Past a minute, the widening at ten minutes, and the clock's top at 99:59.98.
  for (const int32_t frames : {1, 2, 3484, 29999, 30000, 299999, 300000, kMax}) {
    const tk::Rect old = *clock.ClockCell();
    const Pixels before = Rows(canvas, 0);
    clock.Timed(canvas, At(frames));
    const tk::Rect cell = *clock.ClockCell();
    const int left = std::min(old.x, cell.x);
    const tk::Rect both{left, cell.y, std::max(old.x + old.width, cell.x + cell.width) - left,
                        cell.height};
    EXPECT_EQ(Differing(Rows(canvas, 0), before, both), 0) << frames;
    EXPECT_EQ(Differing(Band(canvas), FreshBand(frames)), 0) << frames;
    EXPECT_FALSE(Overlap(cell, view::PauseBanner::Cell(canvas))) << frames;
    EXPECT_FALSE(Overlap(cell, view::HudMissCell(canvas, s))) << frames;
  }
  // The next stage's HUD prints white as ever: the clock's colour is not left behind.
  s.stage = 5;
  view::DrawHud(canvas, s);
  tk::Canvas plain{face};
  view::DrawHud(plain, s);
  EXPECT_EQ(Differing(Band(canvas), Band(plain)), 0);
}

TEST_F(RunClockTest, TheSplitNoteLastsItsFramesThenLeavesTheBandAsWithoutIt) {
  view::DrawHud(canvas, s);
  clock.BandDrawn(canvas, s, At(500));
  clock.Split(canvas, {4, 228, 229}, At(500));
  // The door leads on: the next stage's HUD, then a miss starting it again, the note over both.
  s.stage = 5;
  view::DrawHud(canvas, s);
  clock.BandDrawn(canvas, s, At(500));
  ASSERT_TRUE(clock.NoteArea());
  EXPECT_FALSE(clock.ClockCell());
  EXPECT_FALSE(Overlap(*clock.NoteArea(), view::HudStageCell(canvas, s)));
  EXPECT_GT(Counting(Band(canvas), view::kNewBestColor), 0);
  s.missCount = 1;
  view::DrawHud(canvas, s);
  clock.BandDrawn(canvas, s, At(540));
  EXPECT_GT(Differing(Band(canvas), FreshBand(540)), 0);
  for (int32_t frames = 541; frames < 500 + view::kSplitNoteFrames; ++frames) {
    clock.Timed(canvas, At(frames));
    ASSERT_TRUE(clock.NoteArea()) << frames;
  }
  clock.Timed(canvas, At(500 + view::kSplitNoteFrames));
  EXPECT_FALSE(clock.NoteArea());
  EXPECT_EQ(Differing(Band(canvas), FreshBand(500 + view::kSplitNoteFrames)), 0);

  // No best yet, or a time only as good: nothing marked new. A note of an earlier run never
  // shows in a new one, whose timer starts again at 0.
  for (const std::optional<int32_t> best : {std::optional<int32_t>{}, std::optional{47}}) {
    clock.Split(canvas, {15, 47, best}, At(4000));
    EXPECT_EQ(Counting(Band(canvas), view::kNewBestColor), 0);
  }
  view::DrawHud(canvas, s);
  clock.BandDrawn(canvas, s, At(0));
  EXPECT_FALSE(clock.NoteArea());
  EXPECT_EQ(Differing(Band(canvas), FreshBand(0)), 0);
}

TEST_F(RunClockTest, ThePauseBannerOverTheClockOrTheNoteLeavesTheBandAsItWas) {
  view::DrawHud(canvas, s);
  clock.BandDrawn(canvas, s, At(3484));
  for (const bool withNote : {false, true}) {
    if (withNote) clock.Split(canvas, {3, 228, std::nullopt}, At(3484));
    const Pixels band = Band(canvas);
    const uint32_t color = canvas.ForeColor();
    view::PauseBanner banner;
    banner.Show(canvas);
    // The word reads as clearly as on a bare band, the clock beside it left as it was.
    tk::Canvas bare{face};
    view::PauseBanner().Show(bare);
    const tk::Rect cell = view::PauseBanner::Cell(canvas);
    for (int y = cell.y; y < cell.y + cell.height; ++y) {
      for (int x = cell.x; x < cell.x + cell.width; ++x) {
        ASSERT_EQ(canvas.Point(x, y), bare.Point(x, y)) << x << "," << y << " note " << withNote;
      }
    }
    EXPECT_EQ(Differing(Band(canvas), band, cell), 0) << "note " << withNote;
    banner.Hide(canvas);
    EXPECT_EQ(Differing(Band(canvas), band), 0) << "note " << withNote;
    EXPECT_EQ(canvas.ForeColor(), color);
  }
}

TEST_F(CanvasViewTest, TimeAttackEndingPrintsItsFiguresInTheirRows) {
  const auto ending = [this](int32_t run, std::optional<int32_t> best, int top = 0) {
    view::DrawTimeAttackEnding(canvas, picture, s, run, best, ParTotalFrames());
    return Rows(canvas, top, top + 40);
  };
  view::DrawEndingPicture(canvas, picture);
  const Pixels plain = Rows(canvas, 0);
  s.missCount = 3;
  // The best and par's line, the run's time, the misses and the score; a slower run's ending
  // differs in the time's row only.
  for (const int y : {105, view::kEndingTimeY, view::kEndingMissY, view::kEndingScoreY}) {
    const Pixels drawn = ending(3484, 3500, y);
    const Pixels under(plain.begin() + y * tk::Canvas::kWidth,
                       plain.begin() + (y + 40) * tk::Canvas::kWidth);
    EXPECT_GT(Differing(drawn, under), 100) << "row " << y;
    EXPECT_EQ(Differing(drawn, ending(3499, 3500, y)) > 0, y == view::kEndingTimeY) << y;
  }
  // Only a run better than the best is marked new, in the clock's colour.
  const auto marked = [&](std::optional<int32_t> best) {
    ending(3484, best);
    return Counting(Rows(canvas, 0), view::kClockColor) > Counting(plain, view::kClockColor);
  };
  EXPECT_TRUE(marked(3500));
  EXPECT_FALSE(marked(3484));
  EXPECT_FALSE(marked(std::nullopt));
  // A run of no frames and the longest the timer counts both draw, the best none or any.
  ending(0, std::nullopt);
  ending(kMax, kMax);
  ending(kMax, 0);
}

}  // namespace
}  // namespace ursa::test
