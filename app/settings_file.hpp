// The settings file on disk: where it is, reading it at start-up and writing a changed setting
// back atomically (a temporary file renamed over it), so a crash never leaves half a file.
#pragma once

#include <cstdio>
#include <string>

#include "app/settings.hpp"

namespace ursa {

// $XDG_CONFIG_HOME/ursa/ursa.ini, else $HOME/.config/ursa/ursa.ini; empty with neither
// (the game then runs on the defaults and saves nothing).
std::string SettingsPath();

// The settings of the file at `path` over the defaults. A missing file gives the defaults
// quietly; a file that cannot be read, and each line that is skipped, is said on `errors`
// ("ursa: PATH line N: ...").
Settings LoadSettings(const std::string& path, std::FILE* errors);

// When `after` differs from `before` (the settings the run started with), writes the
// settings that differ into the file as it is now (a new commented file when there is none),
// creating its folder. Nothing is written when nothing changed. A failure is said on `errors`
// and leaves the file as it was; returns false then.
bool SaveSettings(const std::string& path, const Settings& before, const Settings& after,
                  std::FILE* errors);

}  // namespace ursa
