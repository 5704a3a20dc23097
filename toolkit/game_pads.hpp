// GamePads: the pads connected to the computer, opened as they connect and closed as they go,
// through SDL's game controller API: its built-in mapping database, plus the player's own
// mappings in the SDL_GAMECONTROLLERCONFIG environment variable.
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "toolkit/pad_event.hpp"

namespace ursa::tk {

class GamePads {
 public:
  // Starts SDL's pad support; the pads connected already announce themselves through the
  // event queue like new ones. Without pad support there are no pads, said once on stderr.
  GamePads();
  ~GamePads();
  GamePads(const GamePads&) = delete;
  GamePads& operator=(const GamePads&) = delete;

  // The pad event of an SDL event: a connected pad is opened, a removed one closed. Nothing
  // for other events, for a joystick SDL has no mapping for, and for a pad already open.
  std::optional<PadEvent> Translate(const SDL_Event& event);
  int Connected() const { return static_cast<int>(open_.size()); }

  // Stick moves SDL took in without an event. SDL takes an axis's first report as where it
  // rests and sends nothing for it; a driver that reports axes only when they change (the
  // browser's) would so lose the first real lean of each stick. Each open pad's axes are read,
  // and each value no event has given yet comes as a pad event here.
  std::vector<PadEvent> UnreportedAxes();

 private:
  std::optional<PadEvent> Connect(int deviceIndex);
  std::optional<PadEvent> Disconnect(int32_t pad);

  bool started_ = false;
  std::map<int32_t, SDL_GameController*> open_;  // by instance id
  // The last value given of each axis of each open pad.
  std::map<int32_t, std::array<int16_t, SDL_CONTROLLER_AXIS_MAX>> axes_;
};

}  // namespace ursa::tk
