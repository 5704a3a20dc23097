// Whole numbers as the player writes them in key scripts, settings and command lines: plain
// decimal digits, a '-' in front where the range allows negatives, nothing else.
#pragma once

#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

namespace ursa::text {

// `text` as a whole number from `low` to `high`; nothing for anything else (a sign of '+',
// blanks, digits past the range or more characters after the digits).
template <typename T>
constexpr std::optional<T> ParseWholeNumber(std::string_view text, T low, T high) {
  T value{};
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

// "4,3,2,1": whole numbers from `low` to `high`, separated by commas; nothing when one of them
// is not one, or is missing.
std::optional<std::vector<int>> ParseNumberList(std::string_view text, int low, int high);

}  // namespace ursa::text
