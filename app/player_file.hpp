// The player's small files (the settings, the desktop's user-dirs.dirs, the time attack's
// bests): read so that nothing in their place, a pipe, a device or something huge, can hold up
// or swamp the game, and written so that a crash or a full disk never leaves half a file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace ursa {

enum class FileRead {
  kRead,     // `text` holds the whole file
  kMissing,  // there is no file (or a link followed to none): `text` is empty
  kRefused,  // no regular file, larger than the limit, or unreadable: `why` says which
};

// What a symbolic link in a file's place is to the game.
enum class FileLink {
  // Read where it points: the settings and user-dirs.dirs, which a player may keep with other
  // dotfiles.
  kFollowed,
  // No regular file, refused: the data folder's files, which the game alone writes, so that
  // whoever can write in that folder cannot point the game at another of the player's files.
  kRefused,
};

// The text of the file at `path`. Only a regular file is ever opened, and never so that
// opening waits; no more than `maxBytes` + 1 bytes are read.
FileRead ReadPlayerFile(const std::string& path, std::uintmax_t maxBytes, std::string& text,
                        std::string& why, FileLink link = FileLink::kFollowed);

// Writes all of `text` into a new file beside the file at `path` ("PATH.writing-XXXXXX"),
// flushed to the disk, and renames it over that file, which keeps its permissions: the file is
// always either the old one or the new one. Its folder must exist. Only a regular file is
// replaced, and only where it is: a link there is never followed (nor replaced), and a device,
// a pipe or a folder is never replaced; a caller that follows a link, as the settings do, hands
// over the path it points to. False, with `why`, when it cannot be written; the old file then
// stays as it was and nothing is left beside it.
bool ReplacePlayerFile(const std::string& path, const std::string& text, std::string& why);

// Removes what writes of the file at `path` left beside it when the program was killed half
// way: regular files named as ReplacePlayerFile names its new files, once they are older than
// any write takes (minutes), so that no game still writing one loses it. Nothing else is
// touched; a file that cannot be removed stays.
void ClearStaleWrites(const std::string& path);

// Moves the file at `path` aside, out of the game's way but kept for the player: to
// "PATH.damaged", or "PATH.damaged-2" and on when that is taken, since a file set aside
// before is never written over. The new path, or empty with `why` when it cannot be moved.
std::string SetAsidePlayerFile(const std::string& path, std::string& why);

// The moments of a change to a player file: a replace's new file made, then written whole, then
// the file changed (the new one renamed over the old, or a file set aside: its copy there, then
// the file gone). A program killed there leaves the disk as it stands.
enum class FileStep { kNewFileMade, kNewFileWritten, kChanged };
// Calls `watch` at each of those moments with the path; none when empty. The page keeps a copy
// of every file changed in the browser's storage; a test stops the program at each step.
void WatchPlayerFiles(std::function<void(FileStep, const std::string&)> watch);

}  // namespace ursa
