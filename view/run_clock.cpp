// The time attack's clock and split note in the HUD band, between the stage and the misses.
// The clock sits right of the pause banner's cell, so "PAUSE" never prints over it.
#include "view/run_clock.hpp"

#include <algorithm>
#include <iostream>

#include "game/par_times.hpp"
#include "game/stage_layouts.hpp"
#include "toolkit/color.hpp"
#include "view/pause_banner.hpp"
#include "view/screens.hpp"

namespace ursa::view {
namespace {

// The HUD's text is 32 pixels high; beside it the clock is smaller and the note smaller again,
// two lines of it filling the band's height.
constexpr int kClockPixels = 24;
constexpr int kNotePixels = 20;
// Space kept between the clock or the note and the texts beside them.
constexpr int kGap = 14;
constexpr int kLeastGap = 4;
constexpr int kNoteLineGap = 3;

// Past this the clock stands still at 99:59.98; the ending shows the whole time.
constexpr int32_t kClockTopFrames = 100 * 60 * 50 - 1;

tk::TextFace SmallerFace(const tk::TextFace& hudFace, int pixels) {
  // The family is the one the HUD's face was found under, so no stand-in is announced again.
  return tk::TextFace::Open(hudFace.Family(), pixels, std::cerr);
}

// Keeps the canvas's text colour and print position across the clock's drawing, so that the
// HUD and the pause banner print as they would without it.
class KeepPen {
 public:
  explicit KeepPen(tk::Canvas& canvas)
      : canvas_(canvas), color_(canvas.ForeColor()), x_(canvas.CurrentX()), y_(canvas.CurrentY()) {}
  ~KeepPen() {
    canvas_.SetForeColor(color_);
    // Setting a pixel to its own colour only moves the print position there.
    canvas_.PSet(x_, y_, canvas_.Point(x_, y_));
  }
  KeepPen(const KeepPen&) = delete;
  KeepPen& operator=(const KeepPen&) = delete;

 private:
  tk::Canvas& canvas_;
  uint32_t color_;
  int x_;
  int y_;
};

void PrintIn(tk::Canvas& canvas, const tk::TextFace& face, int x, int y, const std::string& text,
             uint32_t color) {
  canvas.PSet(x, y, canvas.Point(x, y));
  canvas.SetForeColor(color);
  canvas.Print(text, face);
}

}  // namespace

std::string TimeOrNone(std::optional<int32_t> frames) {
  return frames ? RunTimeText(*frames) : "--:--.--";
}

RunClock::RunClock(const tk::TextFace& hudFace)
    : clockFace_(SmallerFace(hudFace, kClockPixels)),
      noteFace_(SmallerFace(hudFace, kNotePixels)),
      hudAscent_(hudFace.Ascent()) {}

void RunClock::LayOut(const tk::Canvas& canvas, const GameState& s) {
  const tk::Rect banner = PauseBanner::Cell(canvas);
  const tk::Rect stage = HudStageCell(canvas, s);
  const tk::Rect misses = HudMissCell(canvas, s);
  Layout layout;
  layout.clockFrom = banner.x + banner.width + kGap;
  layout.clockMin = banner.x + banner.width + kLeastGap;
  layout.clockTo = misses.x - kGap;
  layout.clockY = kHudTextY + hudAscent_ - clockFace_.Ascent();
  layout.noteFrom = stage.x + stage.width + kGap;
  layout.noteTo = misses.x - kGap;
  layout_ = layout;
}

bool RunClock::NoteLasts() const {
  return note_ && frames_ >= note_->from && frames_ < note_->until;
}

void RunClock::BandDrawn(tk::Canvas& canvas, const GameState& s, const RunTimer& run) {
  LayOut(canvas, s);
  frames_ = run.frames;
  // DrawHud has cleared the band: nothing of ours is on it any more.
  clockCell_.reset();
  noteArea_.reset();
  if (NoteLasts()) {
    ShowNote(canvas);
  } else {
    note_.reset();
    RepaintClock(canvas);
  }
}

void RunClock::Timed(tk::Canvas& canvas, const RunTimer& run) {
  if (!layout_) LayOut(canvas, GameState{});
  frames_ = run.frames;
  if (noteArea_) {
    if (NoteLasts()) return;
    TakeNoteAway(canvas);
  }
  RepaintClock(canvas);
}

void RunClock::Split(tk::Canvas& canvas, const StageSplit& split, const RunTimer& run) {
  if (!layout_) LayOut(canvas, GameState{});
  frames_ = run.frames;
  if (noteArea_) TakeNoteAway(canvas);

  const bool newBest = split.best && split.frames < *split.best;
  std::optional<int32_t> par;
  if (split.stage >= kFirstStage && split.stage <= kLastStage) par = ParOf(split.stage).frames;
  Note note;
  note.lines[0] = {{"STAGE " + std::to_string(split.stage) + "  ", tk::kWhite},
                   {RunTimeText(split.frames), newBest ? kNewBestColor : kClockColor}};
  if (newBest) note.lines[0].push_back({"  NEW BEST", kNewBestColor});
  note.lines[1] = {{"BEST " + TimeOrNone(split.best) + "  PAR " + TimeOrNone(par), tk::kWhite}};
  note.from = run.frames;
  note.until = run.frames + kSplitNoteFrames;
  note_ = std::move(note);
  ShowNote(canvas);
}

std::optional<tk::Rect> RunClock::ClockCell() const { return clockCell_; }

std::optional<tk::Rect> RunClock::NoteArea() const { return noteArea_; }

void RunClock::RepaintClock(tk::Canvas& canvas) {
  const std::string text = RunTimeText(std::min(frames_, kClockTopFrames));
  if (clockCell_ && text == clockText_) return;
  KeepPen pen(canvas);
  EraseClock(canvas);
  const int width = clockFace_.TextWidth(text);
  int x = layout_->clockFrom;
  // A long miss count reaches further left: the clock gives way as far as the banner allows.
  if (x + width > layout_->clockTo) x = std::max(layout_->clockTo - width, layout_->clockMin);
  clockCell_ = tk::Rect{x, layout_->clockY, width, clockFace_.LineHeight()};
  clockText_ = text;
  PrintIn(canvas, clockFace_, x, layout_->clockY, text, kClockColor);
}

void RunClock::EraseClock(tk::Canvas& canvas) {
  if (!clockCell_) return;
  canvas.Fill(*clockCell_, tk::kBlack);  // the band's background, as DrawHud leaves it
  clockCell_.reset();
}

void RunClock::ShowNote(tk::Canvas& canvas) {
  KeepPen pen(canvas);
  EraseClock(canvas);
  const int lineHeight = noteFace_.LineHeight();
  int widths[2] = {};
  for (int i = 0; i < 2; ++i) {
    for (const Piece& piece : note_->lines[i]) widths[i] += noteFace_.TextWidth(piece.text);
  }
  // Each line centred between the stage and the misses; the two together centred in the band.
  const int span = layout_->noteTo - layout_->noteFrom;
  const int top = kHudBand.y + (kHudBand.height - 2 * lineHeight - kNoteLineGap) / 2;
  int lineX[2];
  for (int i = 0; i < 2; ++i) lineX[i] = layout_->noteFrom + std::max(0, (span - widths[i]) / 2);
  const int left = std::min(lineX[0], lineX[1]);
  const int right = std::max(lineX[0] + widths[0], lineX[1] + widths[1]);
  const tk::Rect area{left, top, right - left, 2 * lineHeight + kNoteLineGap};

  underNote_ = canvas.Copy(area);
  noteArea_ = area;

  for (int i = 0; i < 2; ++i) {
    int x = lineX[i];
    const int y = top + i * (lineHeight + kNoteLineGap);
    for (const Piece& piece : note_->lines[i]) {
      PrintIn(canvas, noteFace_, x, y, piece.text, piece.color);
      x += noteFace_.TextWidth(piece.text);
    }
  }
}

void RunClock::TakeNoteAway(tk::Canvas& canvas) {
  KeepPen pen(canvas);
  canvas.Paste(*noteArea_, underNote_);
  noteArea_.reset();
  note_.reset();
}

}  // namespace ursa::view
