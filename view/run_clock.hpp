// RunClock: a time attack's clock in the HUD band, and the split note that shows there for a
// moment at each door. Each frame it repaints only its own text, never the whole band.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/game_state.hpp"
#include "game/run_timer.hpp"
#include "toolkit/canvas.hpp"
#include "toolkit/rect.hpp"
#include "toolkit/text_face.hpp"

namespace ursa::view {

// How long a split note stays: two seconds of the run.
inline constexpr int32_t kSplitNoteFrames = 100;
// The clock's colour, and the colour of a stage time better than the player's best.
inline constexpr uint32_t kClockColor = 0x40E0FF;    // yellow
inline constexpr uint32_t kNewBestColor = 0x60FF60;  // green

// A time as the clock reads it, or "--:--.--" where there is none yet (no best so far).
std::string TimeOrNone(std::optional<int32_t> frames);

// A door of a time attack, as the note shows it.
struct StageSplit {
  int stage = 0;
  int32_t frames = 0;  // the stage's time
  // The player's best for the stage before this one; none the first time.
  std::optional<int32_t> best;
};

class RunClock {
 public:
  // `hudFace`: the face the HUD prints in, the canvas's. The clock and the note print in
  // smaller faces of its family, the clock standing on the HUD's line.
  explicit RunClock(const tk::TextFace& hudFace);

  // At every stage start of a time attack, after DrawHud has drawn the band anew: the clock
  // at the run's time, or the split note while it lasts.
  void BandDrawn(tk::Canvas& canvas, const GameState& s, const RunTimer& run);
  // On every count of the run timer: the clock's own cell is cleared and its new time printed,
  // and nothing else of the band changes; or, while the note shows, nothing until its time is
  // up, when the band goes back to what it would be without it.
  void Timed(tk::Canvas& canvas, const RunTimer& run);
  // At a door: the stage's time, the player's best for it and its par, for kSplitNoteFrames
  // frames of the run. It takes the place of the clock; nothing waits for it.
  void Split(tk::Canvas& canvas, const StageSplit& split, const RunTimer& run);

  // The cell the clock's text is printed in, while it shows.
  std::optional<tk::Rect> ClockCell() const;
  // What the note covers, while it shows.
  std::optional<tk::Rect> NoteArea() const;

 private:
  // Where the clock and the note may print: clear of the HUD's texts and of the pause banner.
  struct Layout {
    int clockFrom = 0;  // the clock's left edge when it fits there
    int clockMin = 0;   // the leftmost it may move to make room for a long miss count
    int clockTo = 0;    // the clock's right limit
    int clockY = 0;
    int noteFrom = 0;  // the note's span across the band
    int noteTo = 0;
  };
  struct Piece {
    std::string text;
    uint32_t color;
  };
  struct Note {
    std::array<std::vector<Piece>, 2> lines;
    int32_t from = 0;   // the run's frames when it came
    int32_t until = 0;  // and when it goes
  };

  void LayOut(const tk::Canvas& canvas, const GameState& s);
  bool NoteLasts() const;
  void RepaintClock(tk::Canvas& canvas);
  void EraseClock(tk::Canvas& canvas);
  void ShowNote(tk::Canvas& canvas);
  void TakeNoteAway(tk::Canvas& canvas);

  tk::TextFace clockFace_;
  tk::TextFace noteFace_;
  int hudAscent_;
  std::optional<Layout> layout_;
  int32_t frames_ = 0;  // the run's time as last told

  std::optional<tk::Rect> clockCell_;  // where the clock's text is on the canvas now
  std::string clockText_;
  std::optional<Note> note_;
  std::optional<tk::Rect> noteArea_;  // where the note is on the canvas now
  std::vector<uint32_t> underNote_;   // the band's pixels under it, rows top to bottom
};

}  // namespace ursa::view
