// Command-line parsing of the simulator.
// Stage numbers may be any 16-bit value (other stages simply have no layout); misses not below 0.
#include "tools/ursa-sim/options.hpp"

#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

namespace ursa::sim {

namespace {

template <typename T>
std::optional<T> ParseNumber(std::string_view text, T low, T high) {
  T value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

std::string Numbered(std::string_view option, std::string_view range) {
  return std::string(option) + " needs a whole number " + std::string(range);
}

}  // namespace

OptionsParse ParseOptions(int argc, const char* const argv[]) {
  OptionsParse result;
  Options& o = result.options;
  if (argc < 2) {
    result.error = "missing mode";
    return result;
  }
  const std::string_view mode = argv[1];
  if (mode == "trace") {
    o.mode = Mode::kTrace;
  } else if (mode == "play") {
    o.mode = Mode::kPlay;
  } else {
    result.error = "unknown mode '" + std::string(mode) + "'";
    return result;
  }
  constexpr int16_t kMin16 = std::numeric_limits<int16_t>::min();
  constexpr int16_t kMax16 = std::numeric_limits<int16_t>::max();
  for (int i = 2; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool takesValue = arg == "--stage" || arg == "--misses" || arg == "--frames";
    if (takesValue && i + 1 >= argc) {
      result.error = std::string(arg) + " needs a value";
      return result;
    }
    if (arg == "--stage") {
      const auto v = ParseNumber<int16_t>(argv[++i], kMin16, kMax16);
      if (!v) return {o, Numbered(arg, "from -32768 to 32767")};
      o.stage = *v;
    } else if (arg == "--misses") {
      const auto v = ParseNumber<int16_t>(argv[++i], 0, kMax16);
      if (!v) return {o, Numbered(arg, "from 0 to 32767")};
      o.misses = *v;
    } else if (arg == "--frames") {
      const auto v = ParseNumber<uint64_t>(argv[++i], 0, std::numeric_limits<uint64_t>::max());
      if (!v) return {o, Numbered(arg, "of 0 or more")};
      o.frameLimit = *v;
    } else if (arg.starts_with("-") && arg.size() > 1) {
      result.error = "unknown option '" + std::string(arg) + "'";
      return result;
    } else if (!o.scriptPath.empty()) {
      result.error = "more than one script given";
      return result;
    } else {
      o.scriptPath = arg;
    }
  }
  if (o.scriptPath.empty()) result.error = "missing script";
  return result;
}

}  // namespace ursa::sim
