// Command-line parsing for the game with the shared option scanner: every complaint is
// collected into CommandLine::error so main() prints it once, with a hint to --help.
#include "app/command_line.hpp"

#include <string_view>

#include "text/options.hpp"

namespace ursa {
namespace {

enum Option : int { kWindowed, kFullscreen, kDataDir, kRecord, kReplay, kTimeAttack };

constexpr text::LongOption kOptions[] = {
    {"windowed", false, kWindowed}, {"fullscreen", false, kFullscreen},
    {"data-dir", true, kDataDir},   {"record", true, kRecord},
    {"replay", true, kReplay},      {"time-attack", false, kTimeAttack},
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
    case kTimeAttack:
      line.timeAttack = true;
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
  // A replay plays its own keys from the title: it starts whatever game it recorded.
  if (error.empty() && line.timeAttack && !line.replayPath.empty()) {
    error = "--time-attack cannot be used with --replay (the replay starts its own game)";
  }
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
         "  --time-attack     start a time attack at once (T on the title does too)\n"
         "  --help            show this help and exit\n"
         "  --version         show the version and exit\n"
         "\n"
         "Keys: Enter starts (during play, restarts the stage), Left and Right run,\n"
         "Space or Up jumps and opens doors, Esc goes back to the title or quits,\n"
         "P or Pause pauses and goes on, F11 or Alt+Enter switches between full screen\n"
         "and a window, F12 saves a screenshot in the pictures folder. A game pad plays\n"
         "too: D-pad or stick to run, A or B to jump, Start to start or pause, Back for Esc.\n"
         "\n"
         "Time attack: T on the title (Y on a pad) starts a run from stage 1 against a\n"
         "clock that restarts and misses never set back, with each stage's time, your best\n"
         "and the stage's proven par at its door, and the bear of your best run beside you.\n"
         "Bests and the best run (a key script) are kept in $XDG_DATA_HOME/ursa/\n"
         "(~/.local/share/ursa/).\n"
         "\n"
         "Settings are kept in $XDG_CONFIG_HOME/ursa/ursa.ini (~/.config/ursa/ursa.ini);\n"
         "--windowed and --fullscreen override the file for one run.\n";
}

}  // namespace ursa
