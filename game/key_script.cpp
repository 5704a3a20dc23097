// Input script parser.
// Key names and the words down/up are case-sensitive; numbers are plain decimal digits.
#include "game/key_script.hpp"

#include <charconv>
#include <optional>
#include <string_view>

#include "game/game_keys.hpp"

namespace ursa {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitFields(std::string_view text) {
  std::vector<std::string_view> fields;
  while (!text.empty()) {
    std::size_t end = 0;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    fields.push_back(text.substr(0, end));
    text.remove_prefix(end);
    text = Trim(text);
  }
  return fields;
}

std::optional<uint64_t> ParseFrame(std::string_view text) {
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  uint64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "Left Right Up Space Enter Esc", for the message about an unknown key.
std::string KeyNameList() {
  std::string list;
  for (const GameKey& key : kGameKeys) {
    if (!list.empty()) list += ' ';
    list += key.name;
  }
  return list;
}

// Returns an error message for a malformed line, or nothing when `event` was filled.
std::optional<std::string> ParseEventLine(std::string_view line, ScriptEvent& event) {
  const std::vector<std::string_view> fields = SplitFields(line);
  if (fields.size() != 3) return "expected '<frame> <key> <down|up>'";
  const auto frame = ParseFrame(fields[0]);
  if (!frame) return "bad frame number '" + std::string(fields[0]) + "'";
  const auto key = KeyFromName(fields[1]);
  if (!key) return "unknown key '" + std::string(fields[1]) + "' (keys: " + KeyNameList() + ")";
  if (fields[2] != "down" && fields[2] != "up") {
    return "expected 'down' or 'up', found '" + std::string(fields[2]) + "'";
  }
  event = {*frame, *key, fields[2] == "down"};
  return std::nullopt;
}

}  // namespace

ScriptParse ParseScript(std::istream& in) {
  ScriptParse result;
  std::string raw;
  for (int lineNumber = 1; std::getline(in, raw); ++lineNumber) {
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == '#') continue;
    ScriptEvent event;
    std::optional<std::string> error = ParseEventLine(line, event);
    if (!error && !result.events.empty() && event.frame < result.events.back().frame) {
      error = "frame " + std::to_string(event.frame) + " comes after frame " +
              std::to_string(result.events.back().frame);
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
