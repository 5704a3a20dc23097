// Command-line reading shared by the tools: getopt_long over the options, --help and --version,
// messages a user can act on, and a list of whole numbers. Header-only, for every tool.
#pragma once

#include <getopt.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/whole_number.hpp"

namespace ursa::tools {

// getopt_long values of the two options every tool has; a tool's own values start at kOwnOption.
inline constexpr int kHelpOption = 256;
inline constexpr int kVersionOption = 257;
inline constexpr int kOwnOption = 258;

// The message for a ':' (value missing) or '?' (unknown option, or a value given to an option
// that takes none) from getopt_long, called right after it returned. Long options have values
// from kHelpOption up, so they are told apart from short option letters.
inline std::string OptionError(int stop, const option* longOptions, char* argv[]) {
  std::string name = argv[optind - 1];
  if (optopt > 0 && optopt < kHelpOption) name = std::string("-") + static_cast<char>(optopt);
  for (const option* o = longOptions; o->name != nullptr; ++o) {
    if (optopt == o->val) name = std::string("--") + o->name;
  }
  if (stop == ':') return name + " needs a value";
  if (optopt >= kHelpOption) return name + " takes no value";
  return "unknown option '" + name + "'";
}

struct OptionScan {
  bool help = false;
  bool version = false;
  std::string error;     // the first bad option; empty when all were good
  int firstOperand = 0;  // argv index of the first argument that is not an option
};

// Reads every option, in any order and mixed with the other arguments, which getopt_long moves
// behind them. `take` reads a tool's own option with its value and returns an error or nothing.
inline OptionScan ScanOptions(
    int argc, char* argv[], const option* longOptions,
    const std::function<std::optional<std::string>(int id, std::string_view value)>& take) {
  OptionScan scan;
  optind = 0;  // start afresh, whatever read a command line before
  opterr = 0;  // every message is ours
  for (int id; (id = getopt_long(argc, argv, ":", longOptions, nullptr)) != -1;) {
    std::optional<std::string> error;
    if (id == kHelpOption) {
      scan.help = true;
    } else if (id == kVersionOption) {
      scan.version = true;
    } else if (id == ':' || id == '?') {
      error = OptionError(id, longOptions, argv);
    } else {
      error = take(id, optarg != nullptr ? optarg : "");  // an option without a value has none
    }
    if (error && scan.error.empty()) scan.error = *error;
  }
  scan.firstOperand = optind;
  return scan;
}

// "4,3,2,1": whole numbers from low to high, separated by commas.
inline std::optional<std::vector<int>> ParseNumberList(std::string_view text, int low, int high) {
  std::vector<int> values;
  while (true) {
    const std::size_t comma = text.find(',');
    const auto value = ParseWholeNumber<int>(text.substr(0, comma), low, high);
    if (!value) return std::nullopt;
    values.push_back(*value);
    if (comma == std::string_view::npos) return values;
    text.remove_prefix(comma + 1);
  }
}

}  // namespace ursa::tools
