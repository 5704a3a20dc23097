// Settings files read with inih, a line at a time, and written back line by line. inih reports
// only the first line it cannot read, so each line is handed to it on its own, in its section.
#include "app/settings_text.hpp"

#include <ini.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <sstream>
#include <string_view>
#include <utility>

#include "text/player_text.hpp"
#include "text/trim.hpp"

namespace ursa {
namespace {

// A line this long (with its line end) is more than inih reads in one piece; none of the
// game's settings needs more.
constexpr size_t kMaxLineBytes = 180;

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
  const std::string gameSection = GameSection(section);
  if (!gameSection.empty()) Remember(reading->sectionEnds, gameSection, reading->line);
  const Setting* setting = FindSetting(section, name);
  if (setting == nullptr) {
    reading->Skip("unknown setting " + text::Quoted(name) +
                  (*section != '\0' ? " in [" + text::EscapeForMessage(section) + "]"
                                    : std::string(" outside a [section]")));
    return 1;
  }
  Remember(reading->settingLines, setting->section + "." + setting->name, reading->line);
  Settings changed = reading->settings;
  if (const std::optional<std::string> problem = setting->parse(value, changed)) {
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
  for (const Setting& setting : SettingsTable()) {
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
