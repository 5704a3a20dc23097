// Settings: what the player can set in ursa.ini, and the table of them: each setting's section
// and name in the file and how its value is read and written. settings_text keeps the lines.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
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
  // In a time attack, the best run's bear runs beside the player's.
  bool ghost = true;
};

bool SameSettings(const Settings& a, const Settings& b);

// One setting of the file: where it stands, what a new file says above it, and its value as
// text both ways.
struct Setting {
  std::string section;  // lower case, as the game writes it
  std::string name;     // lower case
  std::string comment;  // the lines above it in a new file, each starting with "; "
  std::function<std::string(const Settings&)> format;
  // Reads the value the file gives into the settings; returns what is wrong with it instead.
  std::function<std::optional<std::string>(std::string_view value, Settings&)> parse;
};

// Every setting, in the order of a new file, section by section.
const std::vector<Setting>& SettingsTable();

// The setting that `section` and `name` name, in any case; nullptr when the game has none.
const Setting* FindSetting(std::string_view section, std::string_view name);

// `section` as the table writes it when it is one of the game's sections, in any case; empty
// when it is not.
std::string GameSection(std::string_view section);

// A whole settings file for `settings`, with a comment for every setting: the file the game
// writes when there is none yet.
std::string SettingsFileText(const Settings& settings);

}  // namespace ursa
