// Text from the player's own files and command line (settings, key scripts, replays, options)
// as a message may quote it: nothing in it can move the cursor, colour the terminal or cut the
// message short.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ursa::text {

// `text` with every byte a terminal could act on written as \xHH (two lower-case hex digits):
// control bytes, DEL, the C1 controls written in UTF-8, and every byte that is not part of a
// well-formed UTF-8 character. Printable ASCII and UTF-8 characters are kept as they are.
std::string EscapeForMessage(std::string_view text);

// The most of the player's text one message quotes: whatever a file holds, its message stays
// a line to read.
inline constexpr size_t kQuotedBytes = 100;

// `text` escaped and between single quotes, as every message quotes the player's words:
// "unknown key 'Shift'". A text longer than kQuotedBytes is quoted up to the last whole
// character within them, and its length said: "'aaa...' (60000 bytes)".
std::string Quoted(std::string_view text);

}  // namespace ursa::text
