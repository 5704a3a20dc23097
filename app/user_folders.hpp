// The player's folders as the desktop names them: the home folder, the XDG config and data
// folders and the pictures folder the environment names.
// Empty when the environment does not say, so callers can refuse instead of guessing.
#pragma once

#include <string>

namespace ursa {

// $HOME, or empty.
std::string HomeFolder();
// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config; empty without either.
std::string ConfigFolder();
// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share; empty without either.
std::string DataFolder();
// $XDG_PICTURES_DIR when it is an absolute path, else empty (user-dirs.dirs then decides).
std::string PicturesFolderFromEnvironment();

}  // namespace ursa
