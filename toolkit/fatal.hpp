// Fatal errors of the window system and the game: one clear message, then exit status 1.
// Error is what toolkit calls throw; the shell catches it and hands its text to Fatal.
#pragma once

#include <stdexcept>
#include <string>

namespace ursa::tk {

// A failing toolkit call: what failed, why, and how to fix it, in one sentence or two.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Prints "ursa: <message>" to stderr, shows it in a message box when there is a real
// display (not under the offscreen or dummy video drivers) and exits with status 1.
[[noreturn]] void Fatal(const std::string& message);

}  // namespace ursa::tk
