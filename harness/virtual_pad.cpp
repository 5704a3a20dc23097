// The virtual pad through SDL's virtual joystick driver: a game controller with every
// standard button and axis, so SDL maps it like a known pad.
#include "harness/virtual_pad.hpp"

#include <string>

#include "toolkit/error.hpp"

namespace ursa::harness {
namespace {

void Check(int result, const char* what) {
  if (result < 0) throw tk::Error(std::string(what) + ": " + SDL_GetError());
}

}  // namespace

VirtualPad::VirtualPad() {
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.name = "Ursa test pad";
  deviceIndex_ = SDL_JoystickAttachVirtualEx(&desc);
  Check(deviceIndex_, "cannot plug in a virtual pad");
  joystick_ = SDL_JoystickOpen(deviceIndex_);
  if (joystick_ == nullptr) {
    SDL_JoystickDetachVirtual(deviceIndex_);
    Check(-1, "cannot open the virtual pad");
  }
}

VirtualPad::~VirtualPad() {
  if (Plugged()) Unplug();
}

void VirtualPad::SetButton(SDL_GameControllerButton button, bool down) {
  Check(SDL_JoystickSetVirtualButton(joystick_, button, down ? SDL_PRESSED : SDL_RELEASED),
        "cannot press the virtual pad's button");
}

void VirtualPad::SetAxis(SDL_GameControllerAxis axis, int value) {
  Check(SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(value)),
        "cannot move the virtual pad's stick");
}

void VirtualPad::Unplug() {
  // The device index may have moved since plugging in: find the pad by its instance id.
  const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
  SDL_JoystickClose(joystick_);
  joystick_ = nullptr;
  for (int i = 0; i < SDL_NumJoysticks(); ++i) {
    if (SDL_JoystickGetDeviceInstanceID(i) == id) {
      SDL_JoystickDetachVirtual(i);
      return;
    }
  }
}

}  // namespace ursa::harness
