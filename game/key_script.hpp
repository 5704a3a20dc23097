// Key scripts: presses and releases tied to frames of play, replayed by simulator and window.
// Parsing is strict: the first malformed line stops it with a message naming that line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace ursa {

struct ScriptEvent {
  uint64_t frame = 0;  // frames of play run before the event is delivered
  int keyCode = 0;
  bool down = false;

  bool operator==(const ScriptEvent&) const = default;
};

struct ScriptParse {
  std::vector<ScriptEvent> events;
  std::string error;  // empty when the whole script was read
};

// A line holds at most this many bytes before its newline; reading stops at a longer one.
inline constexpr std::size_t kMaxScriptLineBytes = 4096;

// Lines are "<frame> <key> <down|up>"; '#' starts a comment that runs to the end of the line,
// and lines left blank are skipped; frame numbers never decrease. Blanks around a line and
// CRLF line ends are accepted.
ScriptParse ParseScript(std::istream& in);

}  // namespace ursa
