// Text from the player's own files (settings, key scripts, replays) as a message may quote it:
// nothing in it can move the cursor, colour the terminal or cut the message short.
#pragma once

#include <string>
#include <string_view>

namespace ursa {

// `text` with every byte a terminal could act on written as \xHH (two lower-case hex digits):
// control bytes and DEL. Everything else is kept as it is.
std::string EscapeForMessage(std::string_view text);

}  // namespace ursa
