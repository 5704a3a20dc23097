// Command-line parsing for the game with the shared option scanner: every complaint is
// collected into CommandLine::error so main() prints it once, with a hint to --help.
#include "app/command_line.hpp"

#include <string_view>

#include "text/options.hpp"

namespace ursa {
namespace {

enum Option : int { kWindowed, kFullscreen, kDataDir, kRecord, kReplay };

constexpr text::LongOption kOptions[] = {
    {"windowed", false, kWindowed}, {"fullscreen", false, kFullscreen},
    {"data-dir", true, kDataDir},   {"record", true, kRecord},
    {"replay", true, kReplay},
};

// Reads one option's value into `line`; returns an error message or nothing.
std::optional<std::string> TakeOption(int id, std::string_view value, CommandLine& line) {
  switch (id) {
    case kWindowed:
    case kFullscreen:
      line.windowed = id == kWindowed;
      return std::nullopt;
    case kDataDir:
      if (value.empty()) return "--data-dir needs a folder name";
      line.dataDir = value;
      return std::nullopt;
    case kRecord:
      if (value.empty()) return "--record needs a file name";
      line.recordPath = value;
      return std::nullopt;
    case kReplay:
      if (value.empty()) return "--replay needs a file name";
      line.replayPath = value;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace

CommandLine ParseCommandLine(int argc, char** argv) {
  CommandLine line;
  const text::OptionScan scan = text::ScanOptions(
      argc, argv, kOptions,
      [&](int id, std::string_view value) { return TakeOption(id, value, line); });
  // Anything wrong ends the program, even beside --help: the player sees what to mend.
  std::string error = scan.error;
  if (error.empty() && !scan.operands.empty()) error = text::UnexpectedArgument(scan.operands[0]);
  if (!error.empty()) {
    CommandLine bad;
    bad.action = CommandLine::Action::kBadUsage;
    bad.error = std::move(error);
    return bad;
  }
  if (scan.help) {
    line.action = CommandLine::Action::kHelp;
  } else if (scan.version) {
    line.action = CommandLine::Action::kVersion;
  }
  return line;
}

std::string UsageText(const std::string& program) {
  return "Usage: " + program +
         " [OPTION]...\n"
         "A small 3D platform game: steer a bear through fifteen stages.\n"
         "\n"
         "  --windowed        start in a window\n"
         "  --fullscreen      start full screen (the default)\n"
         "  --data-dir DIR    take the mesh files from DIR instead of the installed ones\n"
         "  --record FILE     write every key the game takes to FILE, with the frame it\n"
         "                    came before, as a key script that ursa-sim replays\n"
         "  --replay FILE     play the keys of FILE (from --record or an ursa-sim script)\n"
         "                    in the window; the game's keys are the player's again after\n"
         "                    its last one, and closing the window still quits\n"
         "  --help            show this help and exit\n"
         "  --version         show the version and exit\n"
         "\n"
         "Keys: Enter starts (during play, restarts the stage), Left and Right run,\n"
         "Space or Up jumps and opens doors, Esc goes back to the title or quits,\n"
         "P or Pause pauses and goes on, F11 or Alt+Enter switches between full screen\n"
         "and a window, F12 saves a screenshot in the pictures folder. A game pad plays\n"
         "too: D-pad or stick to run, A or B to jump, Start to start or pause, Back for Esc.\n"
         "\n"
         "Settings are kept in $XDG_CONFIG_HOME/ursa/ursa.ini (~/.config/ursa/ursa.ini);\n"
         "--windowed and --fullscreen override the file for one run.\n";
}

}  // namespace ursa
