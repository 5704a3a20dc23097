// Escaping the player's text for messages: control bytes become \xHH, the rest stays readable.
// Self-contained (the standard library only), so every layer can quote a player's file with it.
#include "game/player_text.hpp"

#include <cstdio>

namespace ursa {

std::string EscapeForMessage(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", byte);
      escaped += hex;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

}  // namespace ursa
