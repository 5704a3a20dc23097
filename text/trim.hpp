// Blanks cut off both ends of the player's text, with the caller saying which bytes are blanks:
// a key script knows spaces, tabs and a CR; a settings line every byte that inih skips.
#pragma once

#include <string_view>

namespace ursa::text {

// The bytes the C library's isspace() takes for white space (the game keeps the "C" locale),
// which are the ones inih skips around names and values.
inline constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

constexpr bool IsWhiteSpace(char c) { return kWhiteSpace.find(c) != std::string_view::npos; }

// `text` without the bytes of `blanks` at its start and its end.
constexpr std::string_view Trim(std::string_view text, std::string_view blanks = kWhiteSpace) {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return text.substr(text.size());
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace ursa::text
