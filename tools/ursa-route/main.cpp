// ursa-route: searches a play-through of the stages without a miss and prints it as an
// ursa-sim script, with what the search cost on stderr.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/stage_layouts.hpp"
#include "tools/ursa-route/game_route.hpp"

namespace {

constexpr const char* kUsage =
    "usage: ursa-route [--from N] [--to M] [--width B] [--event-cost C] [--steps K1,K2,...] [--out "
    "FILE]";

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::vector<int>> NumberList(std::string_view text) {
  std::vector<int> values;
  while (true) {
    const std::size_t comma = text.find(',');
    const auto value = Number(text.substr(0, comma));
    if (!value || *value < 1) return std::nullopt;
    values.push_back(*value);
    if (comma == std::string_view::npos) return values;
    text.remove_prefix(comma + 1);
  }
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "ursa-route: %s\n%s\n", message.c_str(), kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ursa;
  int first = kFirstStage;
  int last = kLastStage;
  std::vector<int> steps{4, 3, 2, 1};
  route::SearchOptions options;
  std::string outPath;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (i + 1 >= argc) return Fail("'" + std::string(arg) + "' needs a value");
    const std::string_view value = argv[++i];
    std::optional<int> number = Number(value);
    if (arg == "--from" && number && *number >= kFirstStage && *number <= kLastStage) {
      first = *number;
    } else if (arg == "--to" && number && *number >= kFirstStage && *number <= kLastStage) {
      last = *number;
    } else if (arg == "--width" && number && *number > 0) {
      options.beamWidth = *number;
    } else if (arg == "--event-cost" && number && *number >= 0) {
      options.keyEventCost = *number;
    } else if (arg == "--steps" && NumberList(value)) {
      steps = *NumberList(value);
    } else if (arg == "--out") {
      outPath = value;
    } else {
      return Fail("bad argument '" + std::string(arg) + " " + std::string(value) + "'");
    }
  }
  if (first > last) return Fail("--from comes after --to");

  const auto started = std::chrono::steady_clock::now();
  int totalFrames = 0;
  const std::vector<route::StageLeg> legs =
      route::FindGameRoute(first, last, steps, options, [&](const route::StageLeg& leg) {
        totalFrames += leg.route.frames;
        std::fprintf(stderr,
                     "stage %2d: %4d frames, %3zu key events, step %d, %lld frames searched, "
                     "widest step %zu, %.1f s\n",
                     leg.stage, leg.route.frames, leg.route.events.size(), leg.framesPerStep,
                     static_cast<long long>(leg.stats.framesRun), leg.stats.widestStep,
                     leg.seconds);
      });
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::fprintf(stderr, "%d frames of play in all, searched in %.1f s\n", totalFrames, seconds);

  const std::string script = "# Ursa from stage " + std::to_string(first) +
                             " to the door of stage " +
                             std::to_string(first + static_cast<int>(legs.size()) - 1) +
                             " without a miss, found by ursa-route.\n" + route::ScriptText(legs);
  if (outPath.empty()) {
    std::cout << script;
  } else {
    std::ofstream(outPath) << script;
  }
  if (static_cast<int>(legs.size()) != last - first + 1) {
    std::fprintf(stderr, "ursa-route: no way found through stage %d\n",
                 first + static_cast<int>(legs.size()));
    return 1;
  }
  return 0;
}
