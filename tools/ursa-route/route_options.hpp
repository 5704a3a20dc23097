// Command line of the route finder: "ursa-route [--from N] [--to M] [--width B]
// [--event-cost C] [--steps K1,K2,...] [--out FILE]", "ursa-route --optimal --stage N [--plain]
// [--max-memory SIZE] [--out FILE]", or --help or --version.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "tools/ursa-route/stage_search.hpp"

namespace ursa::route {

struct RouteOptions {
  bool help = false;
  bool version = false;
  int first = 1;
  int last = 15;
  std::vector<int> framesPerStep{4, 3, 2, 1};  // tried in this order for every stage
  SearchOptions search;
  std::string outPath;   // empty: the script goes to standard output
  bool optimal = false;  // the fewest frames for one stage, proven by trying every input
  int stage = 0;         // that stage
  bool plain = false;    // --optimal without the reductions, the search they are checked against
  std::optional<std::size_t> maxMemory;  // --optimal's memory; without it, from the machine
};

struct RouteOptionsParse {
  RouteOptions options;
  std::string error;  // empty when the command line was valid
};

RouteOptionsParse ParseRouteOptions(int argc, char* argv[]);

inline constexpr const char* kRouteUsage =
    "usage: ursa-route [--from N] [--to M] [--width B] [--event-cost C] [--steps K1,K2,...]\n"
    "                  [--out FILE]\n"
    "       ursa-route --optimal --stage N [--plain] [--max-memory SIZE] [--out FILE]";

std::string RouteHelpText();

}  // namespace ursa::route
