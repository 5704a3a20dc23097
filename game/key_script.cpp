// Input script parser.
// Key names and the words down/up are case-sensitive; numbers are plain decimal digits.
#include "game/key_script.hpp"

#include <limits>
#include <optional>
#include <string_view>

#include "game/game_keys.hpp"
#include "text/player_text.hpp"
#include "text/trim.hpp"
#include "text/whole_number.hpp"

namespace ursa {

namespace {

enum class LineRead { kLine, kEnd, kTooLong };

// Reads the bytes up to the next newline (not kept) into `line`. Stops without reading on
// when the line grows past kMaxScriptLineBytes, so endless input costs no more than that.
LineRead ReadLine(std::istream& in, std::string& line) {
  line.clear();
  bool any = false;
  for (char c; in.get(c);) {
    any = true;
    if (c == '\n') return LineRead::kLine;
    if (line.size() == kMaxScriptLineBytes) return LineRead::kTooLong;
    line.push_back(c);
  }
  return any ? LineRead::kLine : LineRead::kEnd;
}

// What separates a line's fields: spaces, tabs, and the CR of a line that ends in CRLF.
constexpr std::string_view kBlanks = " \t\r";

bool IsBlank(char c) { return kBlanks.find(c) != std::string_view::npos; }

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  while (!line.empty()) {
    std::size_t end = 0;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    fields.push_back(line.substr(0, end));
    line.remove_prefix(end);
    line = text::Trim(line, kBlanks);
  }
  return fields;
}

// Returns an error message for a malformed line, or nothing when `event` was filled.
std::optional<std::string> ParseEventLine(std::string_view line, ScriptEvent& event) {
  const std::vector<std::string_view> fields = SplitFields(line);
  if (fields.size() != 3) return "expected '<frame> <key> <down|up>'";
  const auto frame =
      text::ParseWholeNumber<uint64_t>(fields[0], 0, std::numeric_limits<uint64_t>::max());
  if (!frame) return "bad frame number " + text::Quoted(fields[0]);
  const auto key = KeyFromName(fields[1]);
  if (!key) return "unknown key " + text::Quoted(fields[1]) + " (keys: " + KeyNameList() + ")";
  if (fields[2] != "down" && fields[2] != "up") {
    return "expected 'down' or 'up', found " + text::Quoted(fields[2]);
  }
  event = {*frame, *key, fields[2] == "down"};
  return std::nullopt;
}

}  // namespace

ScriptParse ParseScript(std::istream& in) {
  ScriptParse result;
  std::string raw;
  for (uint64_t lineNumber = 1;; ++lineNumber) {
    const LineRead read = ReadLine(in, raw);
    if (read == LineRead::kEnd) break;
    std::optional<std::string> error;
    ScriptEvent event;
    if (read == LineRead::kTooLong) {
      error = "longer than " + std::to_string(kMaxScriptLineBytes) + " bytes";
    } else {
      // A comment runs from '#' to the end of the line.
      const std::string_view line =
          text::Trim(std::string_view(raw).substr(0, raw.find('#')), kBlanks);
      if (line.empty()) continue;
      error = ParseEventLine(line, event);
      if (!error && !result.events.empty() && event.frame < result.events.back().frame) {
        error = "frame " + std::to_string(event.frame) + " comes after frame " +
                std::to_string(result.events.back().frame);
      }
    }
    if (error) {
      result.events.clear();
      result.error = "line " + std::to_string(lineNumber) + ": " + *error;
      return result;
    }
    result.events.push_back(event);
  }
  return result;
}

}  // namespace ursa
