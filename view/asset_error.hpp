// AssetError: one of the game's own files (a mesh file) is missing or broken.
// The message says which file and why; the shell adds where it was looked for.
#pragma once

#include <stdexcept>
#include <string>

namespace ursa::view {

class AssetError : public std::runtime_error {
 public:
  explicit AssetError(const std::string& why)
      : std::runtime_error("a file of the game is missing or broken: " + why) {}
};

}  // namespace ursa::view
