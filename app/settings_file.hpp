// The settings file on disk: where it is, reading it at start-up and writing a changed setting
// back atomically (a temporary file renamed over it), so a crash never leaves half a file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/settings.hpp"

namespace ursa {

// The largest settings file read: the game's own file is under 2 KiB, so a larger one is
// something else (a log, a device, a mistake) and is refused rather than read whole.
inline constexpr std::uintmax_t kMaxSettingsBytes = std::uintmax_t{1} << 20;

// $XDG_CONFIG_HOME/ursa/ursa.ini, else $HOME/.config/ursa/ursa.ini; empty with neither
// (the game then runs on the defaults and saves nothing).
std::string SettingsPath();

// The settings of the file at `path` over the defaults. A missing file gives the defaults
// quietly. A file that is refused (no regular file, larger than kMaxSettingsBytes, unreadable)
// is said once on `errors` and gives the defaults; it is never opened when it is no regular
// file, so a pipe or a device there cannot hold up the start, and it is not written this run.
// The first lines that are skipped are said with their numbers ("ursa: PATH line N: ..."),
// the rest counted on one line. What a game killed while saving left beside the file is
// cleared (see ClearStaleWrites).
Settings LoadSettings(const std::string& path, std::FILE* errors);

// When `after` differs from `before` (the settings the run started with), writes the
// settings that differ into the file as it is now (a new commented file when there is none),
// creating its folder. Nothing is written when nothing changed or when LoadSettings refused
// the file. A failure (the file is refused now, or cannot be written) is said on `errors` and
// leaves the file as it was; returns false then.
bool SaveSettings(const std::string& path, const Settings& before, const Settings& after,
                  std::FILE* errors);

}  // namespace ursa
