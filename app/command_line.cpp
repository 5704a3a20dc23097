// Command-line parsing for the game with getopt_long, quietly: every complaint is collected
// into CommandLine::error so main() prints it once, with a hint to --help.
#include "app/command_line.hpp"

#include <getopt.h>

#include <array>

namespace ursa {
namespace {

enum Option : int {
  kHelp = 'h',
  kVersion = 'V',
  kWindowed = 'w',
  kFullscreen = 'f',
  kDataDir = 'd',
  kRecord = 'r',
  kReplay = 'p',
};

constexpr std::array<option, 8> kOptions = {{
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {"windowed", no_argument, nullptr, kWindowed},
    {"fullscreen", no_argument, nullptr, kFullscreen},
    {"data-dir", required_argument, nullptr, kDataDir},
    {"record", required_argument, nullptr, kRecord},
    {"replay", required_argument, nullptr, kReplay},
    {nullptr, 0, nullptr, 0},
}};

CommandLine BadUsage(std::string error) {
  CommandLine line;
  line.action = CommandLine::Action::kBadUsage;
  line.error = std::move(error);
  return line;
}

}  // namespace

CommandLine ParseCommandLine(int argc, char** argv) {
  CommandLine line;
  opterr = 0;  // the messages are ours
  optind = 0;  // a full restart of getopt's scan, so parsing can run more than once
  bool help = false;
  bool version = false;
  while (true) {
    const int c = getopt_long(argc, argv, "+:", kOptions.data(), nullptr);
    if (c == -1) break;
    switch (c) {
      case kHelp:
        help = true;
        break;
      case kVersion:
        version = true;
        break;
      case kWindowed:
        line.windowed = true;
        break;
      case kFullscreen:
        line.windowed = false;
        break;
      case kDataDir:
        if (*optarg == '\0') return BadUsage("--data-dir needs a folder");
        line.dataDir = optarg;
        break;
      case kRecord:
        if (*optarg == '\0') return BadUsage("--record needs a file");
        line.recordPath = optarg;
        break;
      case kReplay:
        if (*optarg == '\0') return BadUsage("--replay needs a file");
        line.replayPath = optarg;
        break;
      case ':':
        return BadUsage(std::string("option '") + argv[optind - 1] + "' needs a value");
      default:
        return BadUsage(std::string("unknown option '") + argv[optind - 1] + "'");
    }
  }
  if (optind < argc) return BadUsage(std::string("unexpected argument '") + argv[optind] + "'");
  if (help) {
    line.action = CommandLine::Action::kHelp;
  } else if (version) {
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
