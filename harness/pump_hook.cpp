// PumpHook: the form's events pass through it on their way to the game.
// The sink's own pump work comes first, then the hook's action.
#include "harness/pump_hook.hpp"

#include <utility>

namespace ursa::harness {

PumpHook::PumpHook(tk::Form1& form, tk::FormEvents& events, std::function<void()> act)
    : form_(form), events_(events), act_(std::move(act)) {
  form_.SetEvents(this);
}

PumpHook::~PumpHook() { form_.SetEvents(&events_); }

void PumpHook::Pumping() {
  events_.Pumping();
  act_();
}

}  // namespace ursa::harness
