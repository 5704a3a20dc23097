// Command line of the simulator: "ursa-sim trace|play [--stage N] [--misses M] [--frames LIMIT]
// SCRIPT". Bad arguments are reported, never guessed at.
#pragma once

#include <cstdint>
#include <string>

namespace ursa::sim {

enum class Mode { kTrace, kPlay };

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

OptionsParse ParseOptions(int argc, const char* const argv[]);

inline constexpr const char* kUsage =
    "usage: ursa-sim trace|play [--stage N] [--misses M] [--frames LIMIT] SCRIPT";

}  // namespace ursa::sim
