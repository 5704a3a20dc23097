// Reading a small file of the player's (the settings, the desktop's user-dirs.dirs) so that
// nothing in its place, a pipe, a device or something huge, can hold up or swamp the game.
#pragma once

#include <cstdint>
#include <string>

namespace ursa {

enum class FileRead {
  kRead,     // `text` holds the whole file
  kMissing,  // there is no file (or a link to none): `text` is empty
  kRefused,  // no regular file, larger than the limit, or unreadable: `why` says which
};

// The text of the file at `path`, followed where a link points. Only a regular file is ever
// opened, and never so that opening waits; no more than `maxBytes` + 1 bytes are read.
FileRead ReadPlayerFile(const std::string& path, std::uintmax_t maxBytes, std::string& text,
                        std::string& why);

}  // namespace ursa
