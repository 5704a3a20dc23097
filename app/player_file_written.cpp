// The one hook told of the player's files as the game changes them, set by the shell that
// wants to know (web/main.cpp) and empty elsewhere.
#include "app/player_file_written.hpp"

#include <utility>

namespace ursa {
namespace {

PlayerFileWrittenHook& Hook() {
  static PlayerFileWrittenHook hook;
  return hook;
}

}  // namespace

void SetPlayerFileWritten(PlayerFileWrittenHook hook) { Hook() = std::move(hook); }

void PlayerFileWritten(const std::string& path) {
  if (Hook()) Hook()(path);
}

}  // namespace ursa
