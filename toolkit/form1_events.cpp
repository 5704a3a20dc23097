// Form1's event delivery: the idle loop, the event pump and the routing of keys, pads, focus
// and the window's close. Events reach the game one at a time, only from Run and DoEvents.
#include "toolkit/form1.hpp"

namespace ursa::tk {
namespace {

bool EventsPending() {
  SDL_PumpEvents();
  return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0;
}

}  // namespace

void Form1::Run() {
  if (!ended_ && events_ != nullptr) events_->Load();
  while (!ended_) WaitEvents();
}

void Form1::WaitEvents() {
  if (ended_) return;
  // What Load or the last event drew must be on screen before the loop sleeps.
  if (NeedsPresent()) Present();
  FinishPresent();
  if (!EventsPending()) clock_->WaitForEvent(-1);
  DoEvents();
}

void Form1::DoEvents(int64_t wakeAtMs) {
  if (ended_) return;
  // A held picture goes up at its moment, before any event is served.
  if (swapDueMs_ >= 0) FinishPresent();
  if (events_ != nullptr) events_->Pumping();
  if (ended_) return;
  if (wakeAtMs >= 0 && !EventsPending()) {
    // Whatever was drawn goes on screen before the wait, not after it.
    if (NeedsPresent()) Present();
    FinishPresent();
    clock_->WaitForEvent(wakeAtMs);
  }
  ProcessPendingEvents();
  if (NeedsPresent() && !ended_) Present();
}

void Form1::ProcessPendingEvents() {
  // Only the events queued now, so a flood of key repeats cannot keep this call busy; a
  // handler that calls EndPass leaves the later ones queued for the next pass.
  SDL_PumpEvents();
  const int pending = SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
  passEnded_ = false;
  for (int i = 0; i < pending && !ended_ && !passEnded_; ++i) {
    SDL_Event event;
    if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) != 1) break;
    Dispatch(event);
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
        dirty_ = true;
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
