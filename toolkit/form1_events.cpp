// Form1's event delivery: the idle loop, the event pump's passes and the routing of keys, pads,
// focus and the window's close. Events reach the game one at a time, only from Run and DoEvents.
#include "toolkit/form1.hpp"

namespace ursa::tk {

void Form1::Run() {
  if (!Ended() && events_ != nullptr) events_->Load();
  while (!Ended()) WaitEvents();
}

void Form1::WaitEvents() {
  if (Ended()) return;
  // What Load or the last event drew must be on screen before the loop sleeps.
  if (NeedsPresent()) Present();
  presenter_.Pacer().Finish();
  if (!EventPump::Queued()) pump_.Wait(-1);
  DoEvents();
}

void Form1::DoEvents(int64_t wakeAtMs) {
  pump_.ForgetWait();
  if (Ended()) return;
  // A held picture goes up at its moment, before any event is served.
  if (presenter_.Pacer().Held()) presenter_.Pacer().Finish();
  if (events_ != nullptr) events_->Pumping();
  if (Ended()) return;
  // One look at the window system a pass: the wait's, or else the delivery's. A pass with a
  // wake-up time has events queued already, or it waits.
  const bool waits = wakeAtMs >= 0;
  if (waits && !EventPump::Queued()) {
    // Whatever was drawn goes on screen before the wait, not after it.
    if (NeedsPresent()) Present();
    presenter_.Pacer().Finish();
    pump_.Wait(wakeAtMs);
  }
  ProcessPendingEvents(!waits);
  if (NeedsPresent() && !Ended()) Present();
}

void Form1::ProcessPendingEvents(bool takeIn) {
  pump_.DeliverPending(takeIn);
  for (const PadEvent& pad : pads_.UnreportedAxes()) {
    if (events_ != nullptr) events_->Pad(pad);
  }
  // A window destroyed by another X client is closed, as if by its user.
  if (window_.TakeGone()) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
  }
}

void Form1::Dispatch(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      if (events_ != nullptr) events_->QueryUnload();
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      DispatchKey(event.key);
      break;
    case SDL_WINDOWEVENT:
      window_.FollowFrame();
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
          event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
          event.window.event == SDL_WINDOWEVENT_SHOWN) {
        presenter_.InvalidateWindow();
      }
      DispatchFocus(event.window);
      break;
    case SDL_SYSWMEVENT:
      window_.See(event);
      break;
    default:
      // Pads are opened and closed here even while no one listens.
      if (const auto pad = pads_.Translate(event); pad && events_ != nullptr) events_->Pad(*pad);
      break;
  }
}

void Form1::DispatchFocus(const SDL_WindowEvent& window) {
  if (events_ == nullptr) return;
  switch (window.event) {
    case SDL_WINDOWEVENT_FOCUS_LOST:
    case SDL_WINDOWEVENT_MINIMIZED:
      events_->FocusChanged(false);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      events_->FocusChanged(true);
      break;
    default:
      break;
  }
}

void Form1::DispatchKey(const SDL_KeyboardEvent& key) {
  // F12 takes a screenshot and is never one of the game's keys.
  if (key.keysym.sym == SDLK_F12) {
    if (key.type == SDL_KEYDOWN && key.repeat == 0 && options_.screenshotKey) {
      options_.screenshotKey();
    }
    return;
  }
  const KeyRoute route = keys_.Route(key);
  switch (route.action) {
    case KeyRoute::Action::kKeyDown:
      if (events_ != nullptr) events_->KeyDown(route.keyCode);
      break;
    case KeyRoute::Action::kKeyUp:
      if (events_ != nullptr) events_->KeyUp(route.keyCode);
      break;
    case KeyRoute::Action::kToggleFullscreen:
      ToggleFullscreen();
      break;
    case KeyRoute::Action::kPause:
      if (events_ != nullptr) events_->PauseKey();
      break;
    case KeyRoute::Action::kNone:
      break;
  }
}

}  // namespace ursa::tk
