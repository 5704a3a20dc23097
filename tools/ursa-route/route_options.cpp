// Command-line parsing of the route finder with the shared option scanner; --help and --version
// win over everything else on the line.
#include "tools/ursa-route/route_options.hpp"

#include <algorithm>
#include <iterator>
#include <limits>
#include <optional>
#include <string_view>

#include "game/stage_layouts.hpp"
#include "text/options.hpp"
#include "text/whole_number.hpp"
#include "tools/ursa-route/search_limits.hpp"

namespace ursa::route {

namespace {

enum OptionId : int {
  kFrom,
  kTo,
  kWidth,
  kEventCost,
  kSteps,
  kOut,
  kOptimal,
  kStage,
  kPlain,
  kMaxMemory
};

constexpr text::LongOption kOptions[] = {
    {"from", true, kFrom},        {"to", true, kTo},
    {"width", true, kWidth},      {"event-cost", true, kEventCost},
    {"steps", true, kSteps},      {"out", true, kOut},
    {"optimal", false, kOptimal}, {"stage", true, kStage},
    {"plain", false, kPlain},     {"max-memory", true, kMaxMemory},
};

// The whole-game search's own options, which --optimal does not take.
constexpr OptionId kWholeGameOptions[] = {kFrom, kTo, kWidth, kEventCost, kSteps};

constexpr int kMaxInt = std::numeric_limits<int>::max();

// Reads one option's value into `o`; returns an error message or nothing.
std::optional<std::string> TakeOption(int id, std::string_view value, RouteOptions& o) {
  std::optional<int> number;
  switch (id) {
    case kFrom:
    case kTo:
      number = text::ParseWholeNumber(value, kFirstStage, kLastStage);
      if (!number) return std::string(id == kFrom ? "--from" : "--to") + " needs a stage, 1 to 15";
      (id == kFrom ? o.first : o.last) = *number;
      return std::nullopt;
    case kWidth:
      number = text::ParseWholeNumber(value, 1, kMaxInt);
      if (!number) return "--width needs a whole number of 1 or more";
      o.search.beamWidth = *number;
      return std::nullopt;
    case kEventCost:
      number = text::ParseWholeNumber(value, 0, kMaxInt);
      if (!number) return "--event-cost needs a whole number of 0 or more";
      o.search.keyEventCost = *number;
      return std::nullopt;
    case kSteps: {
      const int longest = o.search.maxFrames;
      const auto steps = text::ParseNumberList(value, 1, longest);
      if (!steps) {
        return "--steps needs whole numbers from 1 to " + std::to_string(longest) +
               ", separated by commas";
      }
      o.framesPerStep = *steps;
      return std::nullopt;
    }
    case kOut:
      if (value.empty()) return "--out needs a file name";
      o.outPath = value;
      return std::nullopt;
    case kOptimal:
      o.optimal = true;
      return std::nullopt;
    case kPlain:
      o.plain = true;
      return std::nullopt;
    case kStage:
      number = text::ParseWholeNumber(value, kFirstStage, kLastStage);
      if (!number) return "--stage needs a stage, 1 to 15";
      o.stage = *number;
      return std::nullopt;
    case kMaxMemory:
      o.maxMemory = ParseMemorySize(value);
      if (!o.maxMemory) return "--max-memory needs a size, such as 512M or 2G";
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace

RouteOptionsParse ParseRouteOptions(int argc, char* argv[]) {
  RouteOptionsParse result;
  RouteOptions& o = result.options;
  bool given[std::size(kOptions)] = {};
  const text::OptionScan scan =
      text::ScanOptions(argc, argv, kOptions, [&](int id, std::string_view value) {
        given[id] = true;
        return TakeOption(id, value, o);
      });
  const auto* wholeGame = std::find_if(std::begin(kWholeGameOptions), std::end(kWholeGameOptions),
                                       [&](OptionId id) { return given[id]; });
  o.help = scan.help;
  o.version = scan.version;
  if (o.help || o.version) return result;
  if (!scan.error.empty()) {
    result.error = scan.error;
  } else if (!scan.operands.empty()) {
    result.error = text::UnexpectedArgument(scan.operands.front());
  } else if (o.first > o.last) {
    result.error = "--from comes after --to";
  } else if (o.optimal != (o.stage != 0)) {
    result.error = o.optimal ? "--optimal needs --stage" : "--stage goes with --optimal";
  } else if (o.plain && !o.optimal) {
    result.error = "--plain goes with --optimal";
  } else if (o.maxMemory && !o.optimal) {
    result.error = "--max-memory goes with --optimal";
  } else if (o.optimal && wholeGame != std::end(kWholeGameOptions)) {
    const auto* option =
        std::find_if(std::begin(kOptions), std::end(kOptions),
                     [&](const text::LongOption& l) { return l.id == *wholeGame; });
    result.error = "--" + std::string(option->name) + " does not go with --optimal";
  }
  return result;
}

std::string RouteHelpText() {
  const RouteOptions defaults;
  std::string steps;
  for (const int k : defaults.framesPerStep) {
    if (!steps.empty()) steps += ',';
    steps += std::to_string(k);
  }
  return std::string(kRouteUsage) +
         "\n"
         "Searches a play-through of Ursa's stages without a miss and prints it as an\n"
         "ursa-sim script; what the search cost goes to standard error.\n"
         "\n"
         "  --from N          first stage, 1 to 15 (default 1)\n"
         "  --to M            last stage, 1 to 15 (default 15)\n"
         "  --width B         states kept per step of the search (default " +
         std::to_string(defaults.search.beamWidth) +
         ")\n"
         "  --event-cost C    door distance one key event costs (default " +
         std::to_string(defaults.search.keyEventCost) +
         ")\n"
         "  --steps K1,K2...  frames between key changes, tried in turn (default " +
         steps +
         ")\n"
         "  --out FILE        write the script to FILE instead of standard output\n"
         "  --optimal         find the fewest frames that clear the stage of --stage N and\n"
         "                    prove it by trying every input; prints 'stage N: F frames,\n"
         "                    proven' and writes the route's script with --out; a search\n"
         "                    stopped by its memory, SIGTERM or SIGINT prints the best route\n"
         "                    known with the frames no route can beat and writes no script\n"
         "  --stage N         the stage for --optimal, 1 to 15\n"
         "  --plain           with --optimal: try every input with duplicates dropped and\n"
         "                    nothing else, the search the faster one is checked against\n"
         "  --max-memory SIZE with --optimal: the most memory the search may use, as 512M or\n"
         "                    2G (default: 3/4 of the memory available); never more than\n"
         "                    the process's limits (ulimit -v, ulimit -d, its cgroup's)\n"
         "  --help            show this help and exit\n"
         "  --version         show the version and exit\n"
         "\n"
         "Exit status: 0 when every stage was found (with --optimal: the fewest frames\n"
         "proven), 1 when one resisted or the search stopped short, or the script could not\n"
         "be written, 2 for a bad command line.\n";
}

}  // namespace ursa::route
