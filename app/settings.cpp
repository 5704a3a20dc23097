// Settings read with inih and written back line by line. inih reports only the first line it
// cannot read, so such a line is blanked and the text read again until every one is found.
#include "app/settings.hpp"

#include <ini.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>
#include <optional>
#include <sstream>
#include <string_view>

#include "game/game_keys.hpp"
#include "game/whole_number.hpp"
#include "toolkit/key_bindings.hpp"
#include "toolkit/key_names.hpp"

namespace ursa {
namespace {

// A line this long (with its line end) is more than inih reads in one piece; none of the
// game's settings needs more.
constexpr size_t kMaxLineBytes = 180;
// A file with more unreadable lines than this is not a settings file; the rest go unnamed.
constexpr size_t kMaxReported = 50;

using Problem = std::optional<std::string>;

struct Setting {
  std::string section;
  std::string name;
  std::string comment;  // the lines above it in a new file, each starting with "; "
  std::function<std::string(const Settings&)> format;
  std::function<Problem(std::string_view, Settings&)> parse;
};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string YesNo(bool value) { return value ? "yes" : "no"; }

Problem ParseYesNo(std::string_view value, bool& out) {
  const std::string word = Lower(value);
  if (word == "yes" || word == "true" || word == "on" || word == "1") {
    out = true;
  } else if (word == "no" || word == "false" || word == "off" || word == "0") {
    out = false;
  } else {
    return "expected yes or no, found " + Quoted(value);
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
  const auto side = [](std::string_view text) {
    return ParseWholeNumber<int>(text, kMinWindowSide, kMaxWindowSide);
  };
  const auto width = x == std::string::npos ? std::nullopt : side(value.substr(0, x));
  const auto height = width ? side(value.substr(x + 1)) : std::nullopt;
  if (!height) {
    return "expected auto or WIDTHxHEIGHT (each " + std::to_string(kMinWindowSide) + " to " +
           std::to_string(kMaxWindowSide) + "), found " + Quoted(value);
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
    return "expected fit or whole, found " + Quoted(value);
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
  return "expected auto, exact or smooth, found " + Quoted(value);
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
    const std::string_view name = Trim(value.substr(0, comma));
    if (count == keys.size()) return "at most two keys, found " + Quoted(value);
    if (name.empty()) return "a key name is missing between the commas";
    const SDL_Keycode key = KeyOfName(name);
    if (key == SDLK_UNKNOWN) return "no key is called " + Quoted(name);
    if (tk::ReservedKey(key)) {
      return Quoted(name) + " keeps its own meaning (F11, F12, P and Pause cannot be bound)";
    }
    keys[count++] = name;
    if (comma == std::string_view::npos) break;
    value.remove_prefix(comma + 1);
    if (Trim(value).empty()) return "a key name is missing after the comma";
  }
  out = keys;
  return std::nullopt;
}

const std::vector<Setting>& Definitions() {
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
        {"play", "pad_dead_zone",
         "; How far a pad's stick must lean before it runs, of 32767 (0 to 32000).",
         [](const Settings& s) { return std::to_string(s.input.padDeadZone); },
         [](std::string_view v, Settings& s) -> Problem {
           const auto zone = ParseWholeNumber<int>(v, 0, 32000);
           if (!zone) return "expected a whole number from 0 to 32000, found " + Quoted(v);
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

const Setting* Find(std::string_view section, std::string_view name) {
  const std::string wantedSection = Lower(section);
  const std::string wantedName = Lower(name);
  for (const Setting& setting : Definitions()) {
    if (setting.section == wantedSection && setting.name == wantedName) return &setting;
  }
  return nullptr;
}

// One pass of inih over the lines, with the lines in `blanked` read as empty.
struct Pass {
  const std::vector<std::string>* lines = nullptr;
  const std::vector<bool>* blanked = nullptr;
  size_t next = 0;  // lines handed to inih so far: the number of the line it is reading
  Settings settings;
  std::vector<std::pair<size_t, std::string>> problems;  // by line number
  // The last line of each setting named in the file, and of each section's settings.
  std::vector<std::pair<std::string, size_t>> settingLines;
  std::vector<std::pair<std::string, size_t>> sectionEnds;
};

char* ReadLine(char* buffer, int size, void* stream) {
  auto& pass = *static_cast<Pass*>(stream);
  if (pass.next == pass.lines->size()) return nullptr;
  const size_t index = pass.next++;
  // Leading blanks are dropped so that an indented line is a line of its own, never the
  // continuation of the one before.
  std::string_view line = (*pass.blanked)[index] ? "" : Trim((*pass.lines)[index]);
  if (line.size() + 2 > static_cast<size_t>(size)) line = "";
  std::memcpy(buffer, line.data(), line.size());
  buffer[line.size()] = '\n';
  buffer[line.size() + 1] = '\0';
  return buffer;
}

void Remember(std::vector<std::pair<std::string, size_t>>& lines, std::string key, size_t line) {
  const auto at =
      std::find_if(lines.begin(), lines.end(), [&](const auto& p) { return p.first == key; });
  if (at != lines.end()) {
    at->second = line;
  } else {
    lines.emplace_back(std::move(key), line);
  }
}

int TakeSetting(void* user, const char* section, const char* name, const char* value) {
  auto& pass = *static_cast<Pass*>(user);
  const size_t line = pass.next;
  Remember(pass.sectionEnds, Lower(section), line);
  const Setting* setting = Find(section, name);
  Problem problem;
  if (setting == nullptr) {
    problem = std::string("unknown setting ") + Quoted(name) +
              (*section != '\0' ? std::string(" in [") + section + "]" : " outside a [section]");
  } else {
    Remember(pass.settingLines, setting->section + "." + setting->name, line);
    Settings changed = pass.settings;
    problem = setting->parse(value, changed);
    if (problem) {
      problem = setting->name + ": " + *problem;
    } else {
      pass.settings = changed;
    }
  }
  if (problem) pass.problems.emplace_back(line, *problem);
  return 1;  // keep reading: every bad line is reported, none stops the rest
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

Pass Read(const std::vector<std::string>& lines) {
  std::vector<bool> blanked(lines.size(), false);
  std::vector<std::pair<size_t, std::string>> unreadable;  // found by inih or by length
  for (size_t i = 0; i < lines.size(); ++i) {
    if (Trim(lines[i]).size() + 2 > kMaxLineBytes) {
      blanked[i] = true;
      unreadable.emplace_back(i + 1,
                              "longer than " + std::to_string(kMaxLineBytes - 2) + " characters");
    }
  }
  while (true) {
    Pass pass;
    pass.lines = &lines;
    pass.blanked = &blanked;
    const int bad = ini_parse_stream(ReadLine, &pass, TakeSetting, &pass);
    if (bad > 0 && static_cast<size_t>(bad) <= lines.size() && unreadable.size() < kMaxReported) {
      blanked[static_cast<size_t>(bad) - 1] = true;
      unreadable.emplace_back(bad, "not a setting (expected 'name = value' or '[section]')");
      continue;
    }
    pass.problems.insert(pass.problems.end(), unreadable.begin(), unreadable.end());
    std::stable_sort(pass.problems.begin(), pass.problems.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    if (bad > 0) pass.problems.emplace_back(0, "more lines are not settings; they are skipped");
    return pass;
  }
}

}  // namespace

bool SameSettings(const Settings& a, const Settings& b) {
  return std::all_of(Definitions().begin(), Definitions().end(),
                     [&](const Setting& s) { return s.format(a) == s.format(b); });
}

SettingsRead ParseSettings(const std::string& text) {
  const Pass pass = Read(SplitLines(text));
  SettingsRead read{pass.settings, {}};
  for (const auto& [line, problem] : pass.problems) {
    read.problems.push_back(line > 0 ? "line " + std::to_string(line) + ": " + problem : problem);
  }
  return read;
}

std::string SettingsFileText(const Settings& settings) {
  std::string text =
      "; Ursa's settings, read when the game starts. A line the game cannot use is named on\n"
      "; standard error and skipped. The game writes this file only when a setting changes\n"
      "; while it runs (F11, the window's size), and then changes only that setting's line.\n";
  std::string section;
  for (const Setting& setting : Definitions()) {
    if (setting.section != section) {
      section = setting.section;
      text += "\n[" + section + "]\n";
    }
    if (!setting.comment.empty()) text += setting.comment + "\n";
    text += setting.name + " = " + setting.format(settings) + "\n";
  }
  return text;
}

std::string UpdatedSettingsText(const std::string& text, const Settings& before,
                                const Settings& after) {
  std::vector<std::string> lines = SplitLines(text);
  const Pass pass = Read(lines);
  const auto lineOf = [](const std::vector<std::pair<std::string, size_t>>& list,
                         const std::string& key) -> size_t {
    for (const auto& [name, line] : list) {
      if (name == key) return line;
    }
    return 0;
  };
  // Lines added after a line of the file, by that line's number; sections added at the end.
  std::vector<std::pair<size_t, std::string>> added;
  std::vector<std::pair<std::string, std::string>> newSections;
  for (const Setting& setting : Definitions()) {
    const std::string value = setting.format(after);
    if (value == setting.format(before)) continue;
    const std::string line = setting.name + " = " + value + "\n";
    if (const size_t at = lineOf(pass.settingLines, setting.section + "." + setting.name)) {
      lines[at - 1] = setting.name + " = " + value;
    } else if (const size_t end = lineOf(pass.sectionEnds, setting.section)) {
      added.emplace_back(end, line);
    } else if (!newSections.empty() && newSections.back().first == setting.section) {
      newSections.back().second += line;
    } else {
      newSections.emplace_back(setting.section, "\n[" + setting.section + "]\n" + line);
    }
  }
  std::string updated;
  for (size_t i = 0; i < lines.size(); ++i) {
    updated += lines[i] + "\n";
    for (const auto& [after, line] : added) {
      if (after == i + 1) updated += line;
    }
  }
  for (const auto& [section, text] : newSections) updated += text;
  return updated;
}

}  // namespace ursa
