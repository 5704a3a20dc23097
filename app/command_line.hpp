// The game's command line: --help, --version, --windowed, --fullscreen, --data-dir DIR,
// --record FILE, --replay FILE, --time-attack. Read with the option scanner the tools share;
// anything it does not know ends the program before a window opens.
#pragma once

#include <optional>
#include <string>

namespace ursa {

struct CommandLine {
  enum class Action { kPlay, kHelp, kVersion, kBadUsage };
  Action action = Action::kPlay;
  // Set only by --windowed or --fullscreen (the last one given wins); the game's own
  // choice otherwise.
  std::optional<bool> windowed;
  std::string dataDir;      // empty unless --data-dir was given
  std::string recordPath;   // --record: where the keys of this run are written; empty: nowhere
  std::string replayPath;   // --replay: the recorded keys this run plays; empty: the player's
  bool timeAttack = false;  // --time-attack: a time attack starts at once, as T on the title
  std::string error;        // what was wrong, for kBadUsage
};

CommandLine ParseCommandLine(int argc, char** argv);

// The --help text for the program called `program`.
std::string UsageText(const std::string& program);

}  // namespace ursa
