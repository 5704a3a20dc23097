// AssetError: one of the game's own files (a mesh beside the program) is missing or broken.
// The message says which file, why, and how to get it back.
#pragma once

#include <stdexcept>
#include <string>

namespace ursa::view {

class AssetError : public std::runtime_error {
 public:
  explicit AssetError(const std::string& why)
      : std::runtime_error("a file of the game is missing or broken: " + why +
                           "\nThe game's mesh files (*.x) must lie beside the program; "
                           "'bash scripts/build.sh' copies them there again.") {}
};

}  // namespace ursa::view
