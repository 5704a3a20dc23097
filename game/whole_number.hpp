// Whole numbers as key scripts and command lines write them: plain decimal digits, a '-' in
// front where the range allows negatives, nothing else, within the range the caller gives.
#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace ursa {

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

}  // namespace ursa
