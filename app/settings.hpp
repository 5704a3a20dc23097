// Settings: what the player can set in ursa.ini, and the file's text. Read with inih; a line
// the game cannot use is reported with its number and skipped, the rest of the file still counts.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "app/input_options.hpp"
#include "toolkit/letterbox.hpp"

namespace ursa {

// The sides a window size may have in the file.
inline constexpr int kMinWindowSide = 160;
inline constexpr int kMaxWindowSide = 16384;

// What the pictures of play are: each a tick of the game (50 a second), or smooth pictures at
// the screen's rate with what moves drawn between ticks; auto chooses smooth on graphics
// hardware and exact where OpenGL draws on the CPU, where every extra picture costs play time.
enum class Motion { kAuto, kExact, kSmooth };

// The player's input as the file sets it: the window's own InputOptions, with its defaults.
using InputSettings = InputOptions;

struct Settings {
  bool fullscreen = true;
  // The window's inside in pixels; 0 x 0: the largest whole multiple of 640 x 480 that fits.
  int windowWidth = 0;
  int windowHeight = 0;
  tk::Scaling scaling = tk::Scaling::kFit;
  // Presenting waits for the screen's refresh. Off by default: the frame clock then never
  // waits on the display.
  bool vsync = false;
  Motion motion = Motion::kAuto;
  InputSettings input;
};

bool SameSettings(const Settings& a, const Settings& b);

// Lines the game cannot use that are named one by one, when nothing else is asked; the rest
// are counted, so that a file of anything but settings costs one message, not one a line.
inline constexpr size_t kMaxNamedProblems = 5;

struct SettingsRead {
  Settings settings;
  // "line N: what is wrong", one per line skipped, in file order, the first `named` of them;
  // then "and M more lines the game cannot use" when there are more.
  std::vector<std::string> problems;
};

// Reads the text of a settings file over the defaults. A later line for the same setting wins.
// The time it takes grows with the length of the text alone.
SettingsRead ParseSettings(const std::string& text, size_t named = kMaxNamedProblems);

// A whole settings file for `settings`, with a comment for every setting: the file the game
// writes when there is none yet.
std::string SettingsFileText(const Settings& settings);

// `text` (an existing file) with the settings that differ between `before` and `after`
// written in: the line of each is replaced (the last one, which is the one that counts), or
// a line is added to its section, or the section to the end. Everything else, comments and
// lines that were skipped included, stays as it was.
std::string UpdatedSettingsText(const std::string& text, const Settings& before,
                                const Settings& after);

}  // namespace ursa
