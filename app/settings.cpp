// The settings the game knows, with their sections, names, comments and the reading and writing
// of each value; what the player writes is read in any case and words are written lower case.
#include "app/settings.hpp"

#include <algorithm>
#include <array>
#include <cctype>

#include "game/game_keys.hpp"
#include "text/player_text.hpp"
#include "text/trim.hpp"
#include "text/whole_number.hpp"
#include "toolkit/key_bindings.hpp"
#include "toolkit/key_names.hpp"

namespace ursa {
namespace {

using Problem = std::optional<std::string>;
std::string Lower(std::string_view word) {
  std::string lower(word);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::string YesNo(bool value) { return value ? "yes" : "no"; }

Problem ParseYesNo(std::string_view value, bool& out) {
  const std::string word = Lower(value);
  if (word == "yes" || word == "true" || word == "on" || word == "1") {
    out = true;
  } else if (word == "no" || word == "false" || word == "off" || word == "0") {
    out = false;
  } else {
    return "expected yes or no, found " + text::Quoted(value);
  }
  return std::nullopt;
}

std::string FormatWindowSize(const Settings& s) {
  if (s.windowWidth == 0) return "auto";
  return std::to_string(s.windowWidth) + "x" + std::to_string(s.windowHeight);
}

Problem ParseWindowSize(std::string_view value, Settings& s) {
  if (Lower(value) == "auto") {
    s.windowWidth = s.windowHeight = 0;
    return std::nullopt;
  }
  const size_t x = Lower(value).find('x');
  const auto side = [](std::string_view digits) {
    return text::ParseWholeNumber<int>(digits, kMinWindowSide, kMaxWindowSide);
  };
  const auto width = x == std::string::npos ? std::nullopt : side(value.substr(0, x));
  const auto height = width ? side(value.substr(x + 1)) : std::nullopt;
  if (!height) {
    return "expected auto or WIDTHxHEIGHT (each " + std::to_string(kMinWindowSide) + " to " +
           std::to_string(kMaxWindowSide) + "), found " + text::Quoted(value);
  }
  s.windowWidth = *width;
  s.windowHeight = *height;
  return std::nullopt;
}

Problem ParseScaling(std::string_view value, Settings& s) {
  const std::string word = Lower(value);
  if (word == "fit") {
    s.scaling = tk::Scaling::kFit;
  } else if (word == "whole") {
    s.scaling = tk::Scaling::kWhole;
  } else {
    return "expected fit or whole, found " + text::Quoted(value);
  }
  return std::nullopt;
}

constexpr const char* kMotionNames[] = {"auto", "exact", "smooth"};

Problem ParseMotion(std::string_view value, Settings& s) {
  for (int i = 0; i < 3; ++i) {
    if (Lower(value) == kMotionNames[i]) {
      s.motion = static_cast<Motion>(i);
      return std::nullopt;
    }
  }
  return "expected auto, exact or smooth, found " + text::Quoted(value);
}

std::string FormatKeys(const std::array<std::string, 2>& keys) {
  if (keys[1].empty()) return keys[0];
  return keys[0] + ", " + keys[1];
}

Problem ParseKeys(std::string_view value, std::array<std::string, 2>& out) {
  std::array<std::string, 2> keys;
  size_t count = 0;
  while (!value.empty()) {
    const size_t comma = value.find(',');
    const std::string_view name = text::Trim(value.substr(0, comma));
    if (count == keys.size()) return "at most two keys, found " + text::Quoted(value);
    if (name.empty()) return "a key name is missing between the commas";
    const SDL_Keycode key = KeyOfName(name);
    if (key == SDLK_UNKNOWN) return "no key is called " + text::Quoted(name);
    if (tk::ReservedKey(key)) {
      return text::Quoted(name) + " keeps its own meaning (F11, F12, P and Pause cannot be bound)";
    }
    keys[count++] = name;
    if (comma == std::string_view::npos) break;
    value.remove_prefix(comma + 1);
    if (text::Trim(value).empty()) return "a key name is missing after the comma";
  }
  out = keys;
  return std::nullopt;
}

}  // namespace

const std::vector<Setting>& SettingsTable() {
  static const std::vector<Setting> settings = [] {
    std::vector<Setting> list = {
        {"display", "fullscreen",
         "; yes: full screen; no: a window. F11 or Alt+Enter switches, and the game keeps the\n"
         "; choice here. --fullscreen and --windowed choose for one run only.",
         [](const Settings& s) { return YesNo(s.fullscreen); },
         [](std::string_view v, Settings& s) { return ParseYesNo(v, s.fullscreen); }},
        {"display", "window_size",
         "; The window's size in pixels as WIDTHxHEIGHT, kept when you resize the window;\n"
         "; auto: the largest whole multiple of 640x480 that fits the screen.",
         FormatWindowSize, ParseWindowSize},
        {"display", "scaling",
         "; fit: the picture as large as the screen or window allows, its shape kept;\n"
         "; whole: only whole multiples of 640x480 (sharpest; wider black borders).",
         [](const Settings& s) {
           return std::string(s.scaling == tk::Scaling::kWhole ? "whole" : "fit");
         },
         ParseScaling},
        {"display", "vsync", "; yes: pictures wait for the screen's refresh (no tearing).",
         [](const Settings& s) { return YesNo(s.vsync); },
         [](std::string_view v, Settings& s) { return ParseYesNo(v, s.vsync); }},
        {"display", "motion",
         "; exact: every picture is a tick of the game, 50 a second; smooth: pictures at the\n"
         "; screen's rate, what moves drawn between ticks (one tick behind); auto: smooth on\n"
         "; graphics hardware, exact where OpenGL draws on the CPU.",
         [](const Settings& s) { return std::string(kMotionNames[static_cast<int>(s.motion)]); },
         ParseMotion},
        {"play", "pause_on_focus_loss",
         "; yes: play pauses when the window loses the focus or is minimised; P, Pause or the\n"
         "; pad's Start resumes.",
         [](const Settings& s) { return YesNo(s.input.pauseOnFocusLoss); },
         [](std::string_view v, Settings& s) { return ParseYesNo(v, s.input.pauseOnFocusLoss); }},
        {"play", "ghost",
         "; yes: in a time attack (T on the title, or Y on a pad) the bear of your best run\n"
         "; runs beside yours, see-through; no: you run alone.",
         [](const Settings& s) { return YesNo(s.ghost); },
         [](std::string_view v, Settings& s) { return ParseYesNo(v, s.ghost); }},
        {"play", "pad_dead_zone",
         "; How far a pad's stick must lean before it runs, of 32767 (0 to 32000).",
         [](const Settings& s) { return std::to_string(s.input.padDeadZone); },
         [](std::string_view v, Settings& s) -> Problem {
           const auto zone = text::ParseWholeNumber<int>(v, 0, 32000);
           if (!zone) return "expected a whole number from 0 to 32000, found " + text::Quoted(v);
           s.input.padDeadZone = *zone;
           return std::nullopt;
         }},
    };
    for (size_t i = 0; i < kGameKeys.size(); ++i) {
      list.push_back(
          {"keys", Lower(kGameKeys[i].name),
           i == 0
               ? "; One or two keyboard keys for each of the game's keys, by name, with a comma\n"
                 "; between (\"Left\", \"A\", \"Keypad 4\", \"Return\"); nothing after '=' for "
                 "none.\n"
                 "; F11, F12, P and Pause keep their own meaning."
               : "",
           [i](const Settings& s) { return FormatKeys(s.input.bindings[i]); },
           [i](std::string_view v, Settings& s) { return ParseKeys(v, s.input.bindings[i]); }});
    }
    return list;
  }();
  return settings;
}

const Setting* FindSetting(std::string_view section, std::string_view name) {
  const std::string wantedSection = Lower(section);
  const std::string wantedName = Lower(name);
  for (const Setting& setting : SettingsTable()) {
    if (setting.section == wantedSection && setting.name == wantedName) return &setting;
  }
  return nullptr;
}

std::string GameSection(std::string_view section) {
  std::string name = Lower(section);
  const bool known = std::any_of(SettingsTable().begin(), SettingsTable().end(),
                                 [&](const Setting& s) { return s.section == name; });
  return known ? name : std::string();
}

bool SameSettings(const Settings& a, const Settings& b) {
  return std::all_of(SettingsTable().begin(), SettingsTable().end(),
                     [&](const Setting& s) { return s.format(a) == s.format(b); });
}

std::string SettingsFileText(const Settings& settings) {
  std::string text =
      "; Ursa's settings, read when the game starts. A line the game cannot use is named on\n"
      "; standard error and skipped. The game writes this file only when a setting changes\n"
      "; while it runs (F11, the window's size), and then changes only that setting's line.\n";
  std::string section;
  for (const Setting& setting : SettingsTable()) {
    if (setting.section != section) {
      section = setting.section;
      text += "\n[" + section + "]\n";
    }
    if (!setting.comment.empty()) text += setting.comment + "\n";
    text += setting.name + " = " + setting.format(settings) + "\n";
  }
  return text;
}

}  // namespace ursa
