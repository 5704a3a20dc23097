// Fatal errors of the window system and the game: one clear message, then exit status 1.
#pragma once

#include <string>

#include "toolkit/error.hpp"

namespace ursa::tk {

// Prints "ursa: <message>" to stderr, shows it in a message box when there is a real
// display (not under the offscreen or dummy video drivers) and exits with status 1.
[[noreturn]] void Fatal(const std::string& message);

// A message box as wide as this many columns fits a 640 x 480 screen (wide characters, such
// as Japanese ones, take two); a box shows at most this many lines.
inline constexpr int kBoxColumns = 60;
inline constexpr int kBoxLines = 12;

// The message as the box shows it: lines broken at spaces (a longer word after a '/' or
// anywhere), control characters as spaces, and past kBoxLines lines a last line saying the
// rest is on standard error.
std::string MessageBoxText(const std::string& message);

}  // namespace ursa::tk
