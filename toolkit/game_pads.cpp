// Opening and closing pads as SDL reports them, and their buttons and sticks as pad events.
// A removed pad is closed at once; its event still names it, so the game can let go of its keys.
#include "toolkit/game_pads.hpp"

#include <iostream>

namespace ursa::tk {

GamePads::GamePads() {
  started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  if (!started_) std::cerr << "ursa: game pads cannot be used: " << SDL_GetError() << "\n";
}

GamePads::~GamePads() {
  for (const auto& [pad, controller] : open_) SDL_GameControllerClose(controller);
  if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

std::optional<PadEvent> GamePads::Translate(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      return Connect(event.cdevice.which);
    case SDL_CONTROLLERDEVICEREMOVED:
      return Disconnect(event.cdevice.which);
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      if (!open_.contains(event.cbutton.which)) return std::nullopt;
      PadEvent pad{PadEvent::Kind::kButton, event.cbutton.which};
      pad.button = static_cast<SDL_GameControllerButton>(event.cbutton.button);
      pad.down = event.cbutton.state == SDL_PRESSED;
      return pad;
    }
    case SDL_CONTROLLERAXISMOTION: {
      if (!open_.contains(event.caxis.which)) return std::nullopt;
      PadEvent pad{PadEvent::Kind::kAxis, event.caxis.which};
      pad.axis = static_cast<SDL_GameControllerAxis>(event.caxis.axis);
      pad.value = event.caxis.value;
      if (pad.axis >= 0 && pad.axis < SDL_CONTROLLER_AXIS_MAX) axes_[pad.pad][pad.axis] = pad.value;
      return pad;
    }
    default:
      return std::nullopt;
  }
}

std::optional<PadEvent> GamePads::Connect(int deviceIndex) {
  // A pad can be announced twice (present at start-up and reported by the hot-plug watch).
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
  if (id < 0 || open_.contains(id)) return std::nullopt;
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (controller == nullptr) return std::nullopt;
  open_[id] = controller;
  // A stick leaning as the pad comes counts from its next move, as SDL has it.
  for (int axis = 0; axis < SDL_CONTROLLER_AXIS_MAX; ++axis) {
    axes_[id][axis] =
        SDL_GameControllerGetAxis(controller, static_cast<SDL_GameControllerAxis>(axis));
  }
  return PadEvent{PadEvent::Kind::kConnected, id};
}

std::vector<PadEvent> GamePads::UnreportedAxes() {
  std::vector<PadEvent> moves;
  for (const auto& [id, controller] : open_) {
    std::array<int16_t, SDL_CONTROLLER_AXIS_MAX>& given = axes_[id];
    for (int axis = 0; axis < SDL_CONTROLLER_AXIS_MAX; ++axis) {
      const auto which = static_cast<SDL_GameControllerAxis>(axis);
      const int16_t value = SDL_GameControllerGetAxis(controller, which);
      if (value == given[axis]) continue;
      given[axis] = value;
      PadEvent move{PadEvent::Kind::kAxis, id};
      move.axis = which;
      move.value = value;
      moves.push_back(move);
    }
  }
  return moves;
}

std::optional<PadEvent> GamePads::Disconnect(int32_t pad) {
  const auto at = open_.find(pad);
  if (at == open_.end()) return std::nullopt;
  SDL_GameControllerClose(at->second);
  open_.erase(at);
  axes_.erase(pad);
  return PadEvent{PadEvent::Kind::kDisconnected, pad};
}

}  // namespace ursa::tk
