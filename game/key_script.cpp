// Input script parser.
// Key names and the words down/up are case-sensitive; numbers are plain decimal digits.
#include "game/key_script.hpp"

#include <array>
#include <cstring>
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

// Reads a script's lines a block at a time, through the stream's own reads, so the stream
// still says whether reading failed; a long script costs a few reads, not a call per byte.
class LineReader {
 public:
  explicit LineReader(std::istream& in) : in_(in), block_(kBlockBytes) {}

  // The bytes up to the next newline (not kept) into `line`. Stops at a line that grows past
  // kMaxScriptLineBytes, so endless input costs no more than that and a block.
  LineRead Next(std::string& line) {
    line.clear();
    bool any = false;
    while (at_ < end_ || Fill()) {
      any = true;
      const char* from = block_.data() + at_;
      const std::size_t left = end_ - at_;
      const auto* newline = static_cast<const char*>(std::memchr(from, '\n', left));
      const std::size_t take = newline != nullptr ? static_cast<std::size_t>(newline - from) : left;
      if (line.size() + take > kMaxScriptLineBytes) return LineRead::kTooLong;
      line.append(from, take);
      at_ += take;
      if (newline != nullptr) {
        ++at_;
        return LineRead::kLine;
      }
    }
    return any ? LineRead::kLine : LineRead::kEnd;
  }

 private:
  static constexpr std::size_t kBlockBytes = std::size_t{1} << 16;

  bool Fill() {
    in_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
    at_ = 0;
    end_ = static_cast<std::size_t>(in_.gcount());
    return end_ > 0;
  }

  std::istream& in_;
  std::vector<char> block_;
  std::size_t at_ = 0;
  std::size_t end_ = 0;
};

// What separates a line's fields: spaces, tabs, and the CR of a line that ends in CRLF.
constexpr std::string_view kBlanks = " \t\r";

// Compared in place: a call to find in the set for every byte is most of a long script's
// reading time.
constexpr bool IsBlank(char c) { return c == kBlanks[0] || c == kBlanks[1] || c == kBlanks[2]; }
static_assert(kBlanks.size() == 3);

// A line's fields, up to one more than an event has (enough to tell that there are too many).
struct Fields {
  std::array<std::string_view, 4> field;
  std::size_t count = 0;
};

// `line` has no blanks at either end.
Fields SplitFields(std::string_view line) {
  Fields fields;
  std::size_t at = 0;
  while (at < line.size() && fields.count < fields.field.size()) {
    std::size_t end = at;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    fields.field[fields.count++] = line.substr(at, end - at);
    at = end;
    while (at < line.size() && IsBlank(line[at])) ++at;
  }
  return fields;
}

// Returns an error message for a malformed line, or nothing when `event` was filled.
std::optional<std::string> ParseEventLine(std::string_view line, ScriptEvent& event) {
  const Fields split = SplitFields(line);
  if (split.count != 3) return "expected '<frame> <key> <down|up>'";
  const auto& fields = split.field;
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
  LineReader lines(in);
  std::string raw;
  for (uint64_t lineNumber = 1;; ++lineNumber) {
    const LineRead read = lines.Next(raw);
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
