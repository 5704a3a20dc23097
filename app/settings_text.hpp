// The text of a settings file, read and rewritten as the player keeps it: read through inih a
// line at a time (a line the game cannot use is named and skipped, the rest still counts) and
// written back with only the changed values replaced in the player's own lines.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/settings.hpp"

namespace ursa {

// Lines the game cannot use that are named one by one, when nothing else is asked; the rest
// are counted, so that a file of anything but settings costs one message, not one a line.
inline constexpr size_t kMaxNamedProblems = 5;

struct SettingsRead {
  Settings settings;
  // "line N: what is wrong", one per line skipped, in file order, the first `named` of them;
  // then "and M more lines the game cannot use" when there are more.
  std::vector<std::string> problems;
};

// Reads the text of a settings file over the defaults. A later line for the same setting wins.
// The time it takes grows with the length of the text alone.
SettingsRead ParseSettings(const std::string& text, size_t named = kMaxNamedProblems);

// `text` (an existing file) with the settings that differ between `before` and `after`
// written in: the line of each is replaced (the last one, which is the one that counts), or
// a line is added to its section, or the section to the end. Everything else, comments and
// lines that were skipped included, stays as it was: indentation, the spacing around '=',
// inline comments and CRLF line ends too.
std::string UpdatedSettingsText(const std::string& text, const Settings& before,
                                const Settings& after);

}  // namespace ursa
