// Fatal errors of the window system and the game: one clear message, then exit status 1.
#pragma once

#include <string>

#include "toolkit/error.hpp"

namespace ursa::tk {

// Prints "ursa: <message>" to stderr, shows it in a message box when there is a real
// display (not under the offscreen or dummy video drivers) and exits with status 1.
[[noreturn]] void Fatal(const std::string& message);

}  // namespace ursa::tk
