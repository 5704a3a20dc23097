// Escaping the player's text for messages: control bytes become \xHH, the rest stays readable.
// Self-contained (the standard library only), so every layer can quote a player's file with it.
#include "text/player_text.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace ursa::text {
namespace {

// The length of the well-formed UTF-8 character at the start of `text` that is no control
// (C1 controls such as U+009B, a terminal's CSI, included); 0 when there is none.
size_t PrintableCharacterBytes(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
  const uint8_t lead = byte(0);
  if (lead >= 0x20 && lead < 0x7f) return 1;
  if (lead < 0xc2 || lead > 0xf4) return 0;  // no lead byte, or one of an overlong ASCII
  const size_t length = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : 2;
  // The smallest character that needs each length: anything below is an overlong form.
  static constexpr uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  uint32_t code = lead & (0x7fU >> length);
  if (text.size() < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xc0U) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3fU);
  }
  const bool surrogate = code >= 0xd800 && code <= 0xdfff;
  if (code < kLeast[length] || code > 0x10ffff || surrogate || code <= 0x9f) return 0;
  return length;
}

}  // namespace

std::string EscapeForMessage(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string escaped;
  escaped.reserve(text.size());
  while (!text.empty()) {
    size_t length = PrintableCharacterBytes(text);
    if (length > 0) {
      escaped.append(text.substr(0, length));
    } else {
      const auto byte = static_cast<uint8_t>(text.front());
      escaped += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0x0fU]};
      length = 1;
    }
    text.remove_prefix(length);
  }
  return escaped;
}

std::string Quoted(std::string_view text) {
  // Cut where EscapeForMessage reads a character (a printable one, or one byte), never inside.
  size_t shown = 0;
  while (shown < text.size()) {
    const size_t length = std::max<size_t>(PrintableCharacterBytes(text.substr(shown)), 1);
    if (shown + length > kQuotedBytes) break;
    shown += length;
  }
  // Appended piece by piece: GCC 12 takes "'" + std::string for an overlapping copy.
  std::string quoted = "'";
  quoted += EscapeForMessage(text.substr(0, shown));
  if (shown == text.size()) {
    quoted += '\'';
  } else {
    quoted += "...' (";
    quoted += std::to_string(text.size());
    quoted += " bytes)";
  }
  return quoted;
}

}  // namespace ursa::text
