// Told of every player file the game has written or moved: a shell that keeps the player's
// files somewhere else as well (the page, in the browser's storage) copies each one at once.
#pragma once

#include <functional>
#include <string>

namespace ursa {

// Called with the path of a player file the game has just written, replaced or set aside (the
// file there then is new, or there is none). Nothing is told until a shell sets one.
using PlayerFileWrittenHook = std::function<void(const std::string& path)>;

// Sets who is told from now on; an empty hook tells no one.
void SetPlayerFileWritten(PlayerFileWrittenHook hook);

// The careful writer (app/player_file.cpp) says so after each file it has changed.
void PlayerFileWritten(const std::string& path);

}  // namespace ursa
