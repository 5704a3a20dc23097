// The player's folders as the desktop names them: the home folder and the XDG config folder.
// Empty when the environment does not say, so callers can refuse instead of guessing.
#pragma once

#include <string>

namespace ursa {

// $HOME, or empty.
std::string HomeFolder();
// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config; empty without either.
std::string ConfigFolder();

}  // namespace ursa
