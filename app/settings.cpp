// Settings read with inih, a line at a time, and written back line by line. inih reports only
// the first line it cannot read, so each line is handed to it on its own, in its section.
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
#include "text/player_text.hpp"
#include "text/trim.hpp"
#include "text/whole_number.hpp"
#include "toolkit/key_bindings.hpp"
#include "toolkit/key_names.hpp"

namespace ursa {
namespace {

// A line this long (with its line end) is more than inih reads in one piece; none of the
// game's settings needs more.
constexpr size_t kMaxLineBytes = 180;

using Problem = std::optional<std::string>;

struct Setting {
  std::string section;
  std::string name;
  std::string comment;  // the lines above it in a new file, each starting with "; "
  std::function<std::string(const Settings&)> format;
  std::function<Problem(std::string_view, Settings&)> parse;
};

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

// The setting that `section` and `name` (any case) name, or nullptr.
const Setting* Find(std::string_view section, std::string_view name) {
  const std::string wantedSection = Lower(section);
  const std::string wantedName = Lower(name);
  for (const Setting& setting : Definitions()) {
    if (setting.section == wantedSection && setting.name == wantedName) return &setting;
  }
  return nullptr;
}

bool IsGameSection(const std::string& section) {
  return std::any_of(Definitions().begin(), Definitions().end(),
                     [&](const Setting& s) { return s.section == section; });
}

// The lines read so far, in order. Reading costs the same for every line, however many
// sections and settings came before: what is remembered by name is bounded by the game's own
// settings and sections, and the problems kept are the first few.
struct Reading {
  Settings settings;
  std::string section;  // the section of the lines that follow, as inih read its header
  size_t line = 0;      // the number of the line being read
  size_t named = kMaxNamedProblems;
  std::vector<std::pair<size_t, std::string>> problems;  // the first `named`
  size_t moreProblems = 0;
  // The last line of each of the game's settings named in the file, and of each of its
  // sections' settings.
  std::vector<std::pair<std::string, size_t>> settingLines;
  std::vector<std::pair<std::string, size_t>> sectionEnds;

  void Skip(std::string what) {
    if (problems.size() < named) {
      problems.emplace_back(line, std::move(what));
    } else {
      ++moreProblems;
    }
  }
};

// What inih reads for one line of the file: the header of the section it is in, the line, and
// a probe whose setting tells the section after the line (a header changes it). Reading all
// three at once keeps inih's own rules for sections, comments and values in one place.
struct LineFeed {
  std::string section;
  std::string_view line;
  int next = 0;  // lines handed to inih so far
};

constexpr int kHeaderLine = 1;
constexpr int kFileLine = 2;
constexpr int kProbeLine = 3;

char* FeedLine(char* buffer, int size, void* stream) {
  auto& feed = *static_cast<LineFeed*>(stream);
  std::string header;
  std::string_view text;
  switch (++feed.next) {
    case kHeaderLine:
      header = "[" + feed.section + "]";
      text = header;
      break;
    case kFileLine:
      text = feed.line;
      break;
    case kProbeLine:
      text = "probe =";
      break;
    default:
      return nullptr;
  }
  if (text.size() + 2 > static_cast<size_t>(size)) text = "";
  std::memcpy(buffer, text.data(), text.size());
  buffer[text.size()] = '\n';
  buffer[text.size() + 1] = '\0';
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

struct Handler {
  LineFeed* feed;
  Reading* reading;
};

int TakeSetting(void* user, const char* section, const char* name, const char* value) {
  auto& [feed, reading] = *static_cast<Handler*>(user);
  if (feed->next == kProbeLine) {
    reading->section = section;
    return 1;
  }
  const std::string sectionName = Lower(section);
  if (IsGameSection(sectionName)) Remember(reading->sectionEnds, sectionName, reading->line);
  const Setting* setting = Find(section, name);
  if (setting == nullptr) {
    reading->Skip("unknown setting " + text::Quoted(name) +
                  (*section != '\0' ? " in [" + text::EscapeForMessage(section) + "]"
                                    : std::string(" outside a [section]")));
    return 1;
  }
  Remember(reading->settingLines, setting->section + "." + setting->name, reading->line);
  Settings changed = reading->settings;
  if (const Problem problem = setting->parse(value, changed)) {
    reading->Skip(setting->name + ": " + *problem);
  } else {
    reading->settings = changed;
  }
  return 1;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The line as inih reads it: leading blanks dropped, so that an indented line is a line of its
// own and never the continuation of the one before, and a UTF-8 byte order mark before the
// first line dropped.
std::string_view LineText(std::string_view line, size_t number) {
  if (number == 1 && line.substr(0, 3) == "\xef\xbb\xbf") line.remove_prefix(3);
  return text::Trim(line);
}

Reading Read(const std::vector<std::string>& lines, size_t named) {
  Reading reading;
  reading.named = named;
  for (const std::string& line : lines) {
    ++reading.line;
    LineFeed feed{reading.section, LineText(line, reading.line)};
    if (feed.line.size() + 2 > kMaxLineBytes) {
      reading.Skip("longer than " + std::to_string(kMaxLineBytes - 2) + " characters");
      continue;
    }
    Handler handler{&feed, &reading};
    if (ini_parse_stream(FeedLine, &feed, TakeSetting, &handler) == kFileLine) {
      reading.Skip("not a setting (expected 'name = value' or '[section]')");
    }
  }
  return reading;
}

// `line`, a setting's line of the file, with `value` for its value. What stands before the value
// (indentation, the name, the spacing around '=') and after it (the blanks before an inline
// comment, the comment, the CR of a CRLF line end) stays. The value is where inih finds it:
// after the first '=' or ':', up to a ';' that follows a blank.
std::string WithValue(std::string_view line, const std::string& value) {
  const bool crlf = !line.empty() && line.back() == '\r';
  if (crlf) line.remove_suffix(1);
  const size_t separator = line.find_first_of("=:");
  size_t comment = separator + 1;
  for (bool blank = false; comment < line.size() && !(blank && line[comment] == ';'); ++comment) {
    blank = text::IsWhiteSpace(line[comment]);
  }
  size_t start = separator + 1;
  while (start < comment && text::IsWhiteSpace(line[start])) ++start;
  size_t end = comment;
  while (end > start && text::IsWhiteSpace(line[end - 1])) --end;
  std::string written;
  if (start == end) {
    // There was no value: it goes after one blank, and the blanks that stood before the
    // comment stay between it and the comment.
    written = std::string(line.substr(0, separator + 1)) + " " + value;
    if (comment < line.size()) written += line.substr(separator + 1);
  } else {
    written = std::string(line.substr(0, start)) + value + std::string(line.substr(end));
  }
  if (crlf) written += '\r';
  return written;
}

}  // namespace

bool SameSettings(const Settings& a, const Settings& b) {
  return std::all_of(Definitions().begin(), Definitions().end(),
                     [&](const Setting& s) { return s.format(a) == s.format(b); });
}

SettingsRead ParseSettings(const std::string& text, size_t named) {
  const Reading reading = Read(SplitLines(text), named);
  SettingsRead read{reading.settings, {}};
  for (const auto& [line, problem] : reading.problems) {
    read.problems.push_back("line " + std::to_string(line) + ": " + problem);
  }
  if (reading.moreProblems > 0) {
    read.problems.push_back("and " + std::to_string(reading.moreProblems) +
                            " more lines the game cannot use");
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
  const Reading reading = Read(lines, 0);
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
    if (const size_t at = lineOf(reading.settingLines, setting.section + "." + setting.name)) {
      lines[at - 1] = WithValue(lines[at - 1], value);
    } else if (const size_t end = lineOf(reading.sectionEnds, setting.section)) {
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
