// Screenshots saved by F12: where they go (the pictures folder of the XDG user directories,
// else ~/Pictures, in an Ursa folder), what they are called (the date and time) and saving one.
#pragma once

#include <cstdio>
#include <ctime>
#include <string>

#include "toolkit/rgb_image.hpp"

namespace ursa {

namespace tk {
class Form1;
}

// The pictures folder named by XDG_PICTURES_DIR in the text of a user-dirs.dirs file, with
// $HOME replaced by `home`; empty when the text names none (the caller then uses ~/Pictures).
// Lines look like XDG_PICTURES_DIR="$HOME/Pictures"; only "$HOME/..." and absolute paths count.
std::string PicturesDirFromUserDirs(const std::string& userDirsText, const std::string& home);

// Where this user's screenshots go: <pictures folder>/Ursa, the pictures folder being
// $XDG_PICTURES_DIR, else the one $XDG_CONFIG_HOME/user-dirs.dirs (default ~/.config) names,
// else $HOME/Pictures. Empty when there is neither $XDG_PICTURES_DIR nor a HOME to start from.
std::string ScreenshotFolder();

// "ursa-2026-12-01-14-03-22.png" for that local time; a second screenshot in the same second
// gets "-2", "-3", ... before ".png" so none is overwritten.
std::string ScreenshotName(const std::tm& localTime, int repeat = 1);

// Writes `image` as a PNG in `folder` (created when missing) under the first free name for
// `localTime`. Returns its path; a failure is said on `errors` and returns an empty path.
std::string WriteScreenshot(const tk::RgbImage& image, const std::string& folder,
                            const std::tm& localTime, std::FILE* errors);

// Saves the picture the player sees now as a PNG in `folder` (created when missing) and prints
// its path on stdout. A failure (read-only folder, full disk) is said on stderr and returns
// false; the game goes on either way.
bool SaveScreenshot(tk::Form1& form, const std::string& folder);

}  // namespace ursa
