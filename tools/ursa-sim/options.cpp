// Command-line parsing of the simulator with the shared option scanner; --help and --version
// win over everything else on the line. Play starts only on one of the fifteen stages.
#include "tools/ursa-sim/options.hpp"

#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "game/game_keys.hpp"
#include "game/key_script.hpp"
#include "game/stage_layouts.hpp"
#include "text/options.hpp"
#include "text/player_text.hpp"
#include "text/whole_number.hpp"

namespace ursa::sim {

namespace {

enum OptionId : int { kStage, kMisses, kFrames };

constexpr text::LongOption kOptions[] = {
    {"stage", true, kStage},
    {"misses", true, kMisses},
    {"frames", true, kFrames},
};

std::string Numbered(std::string_view option, std::string_view range) {
  return std::string(option) + " needs a whole number " + std::string(range);
}

// Reads one option's value into `o`; returns an error message or nothing.
std::optional<std::string> TakeOption(int id, std::string_view value, Options& o) {
  constexpr auto kMax16 = std::numeric_limits<int16_t>::max();
  switch (id) {
    case kStage: {
      const auto stage = text::ParseWholeNumber<int16_t>(value, kFirstStage, kLastStage);
      if (!stage) return Numbered("--stage", "from 1 to 15");
      o.stage = *stage;
      return std::nullopt;
    }
    case kMisses: {
      const auto misses = text::ParseWholeNumber<int16_t>(value, 0, kMax16);
      if (!misses) return Numbered("--misses", "from 0 to 32767");
      o.misses = *misses;
      return std::nullopt;
    }
    case kFrames: {
      const auto frames =
          text::ParseWholeNumber<uint64_t>(value, 0, std::numeric_limits<uint64_t>::max());
      if (!frames) return Numbered("--frames", "of 0 or more");
      o.frameLimit = *frames;
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace

OptionsParse ParseOptions(int argc, char* argv[]) {
  OptionsParse result;
  Options& o = result.options;
  const text::OptionScan scan =
      text::ScanOptions(argc, argv, kOptions,
                        [&](int id, std::string_view value) { return TakeOption(id, value, o); });
  if (scan.help || scan.version) {
    o.mode = scan.help ? Mode::kHelp : Mode::kVersion;
    return result;
  }
  if (!scan.error.empty()) {
    result.error = scan.error;
    return result;
  }
  const std::vector<std::string_view>& operands = scan.operands;
  if (operands.empty()) {
    result.error = "missing mode (trace or play)";
  } else if (operands[0] != "trace" && operands[0] != "play") {
    result.error = "unknown mode " + text::Quoted(operands[0]) + " (trace or play)";
  } else if (operands.size() == 1) {
    result.error = "missing script";
  } else if (operands.size() > 2) {
    result.error = text::UnexpectedArgument(operands[2]) + " after the script";
  } else {
    o.mode = operands[0] == "trace" ? Mode::kTrace : Mode::kPlay;
    o.scriptPath = operands[1];
  }
  return result;
}

std::string HelpText() {
  return std::string(kUsage) +
         "\n"
         "Plays Ursa without a window from a script of key events.\n"
         "\n"
         "  trace           print a line for every frame of play, then the end line\n"
         "  play            print only the end line\n"
         "  --stage N       start on stage N, 1 to 15 (default 1)\n"
         "  --misses M      start with M misses, 0 to 32767 (default 0)\n"
         "  --frames LIMIT  stop after LIMIT frames of play (default " +
         std::to_string(Options{}.frameLimit) +
         ")\n"
         "  --help          show this help and exit\n"
         "  --version       show the version and exit\n"
         "\n"
         "A script line reads \"<frame> <key> <down|up>\": the key event comes just before\n"
         "that frame of play (counted from 0), and frames never decrease.\n"
         "Keys: " +
         KeyNameList() + ".\n'#' starts a comment; a line holds at most " +
         std::to_string(kMaxScriptLineBytes) +
         " bytes.\n"
         "\n"
         "The end line: end limit|title|ending stage=S miss=M frames=F time=T score=P\n"
         "Exit status: 0 when play ran, 1 when the output could not be written,\n"
         "2 for a bad command line or script.\n";
}

}  // namespace ursa::sim
