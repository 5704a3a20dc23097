// Command line of the simulator: "ursa-sim trace|play [--stage N] [--misses M] [--frames LIMIT]
// SCRIPT", or --help or --version. Bad arguments are reported, never guessed at.
#pragma once

#include <cstdint>
#include <string>

namespace ursa::sim {

enum class Mode { kTrace, kPlay, kHelp, kVersion };

struct Options {
  Mode mode = Mode::kTrace;
  int16_t stage = 1;
  int16_t misses = 0;
  uint64_t frameLimit = 100000;
  std::string scriptPath;
};

struct OptionsParse {
  Options options;
  std::string error;  // empty when the command line was valid
};

OptionsParse ParseOptions(int argc, char* argv[]);

inline constexpr const char* kUsage =
    "usage: ursa-sim trace|play [--stage N] [--misses M] [--frames LIMIT] SCRIPT";

// The --help text: usage, what each part means, the script format and the exit statuses.
std::string HelpText();

}  // namespace ursa::sim
