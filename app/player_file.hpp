// The player's small files (the settings, the desktop's user-dirs.dirs, the time attack's
// bests): read so that nothing in their place, a pipe, a device or something huge, can hold up
// or swamp the game, and written so that a crash or a full disk never leaves half a file.
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

// Writes all of `text` into a new file beside the file at `path` (where a link there points),
// flushed to the disk, and renames it over that file, which keeps its permissions: the file is
// always either the old one or the new one. Its folder must exist. Anything but a regular file
// there (a device, a pipe, a folder, also where a link points) is never replaced. False, with
// `why`, when it cannot be written; the old file then stays as it was and nothing is left
// beside it.
bool ReplacePlayerFile(const std::string& path, const std::string& text, std::string& why);

// Moves the file at `path` aside, out of the game's way but kept for the player: to
// "PATH.damaged", or "PATH.damaged-2" and on when that is taken, since a file set aside
// before is never written over. The new path, or empty with `why` when it cannot be moved.
std::string SetAsidePlayerFile(const std::string& path, std::string& why);

}  // namespace ursa
