// PumpHook: acts at every pass of a window's event pump, so that a test, a tool or a
// benchmark can press keys, take a screenshot or close the window at a chosen moment of play.
#pragma once

#include <functional>

#include "toolkit/form1.hpp"

namespace ursa::harness {

class PumpHook final : public tk::FormEvents {
 public:
  // Stands between `form` and its event sink `events` while it lives: every event goes on to
  // `events`, and `act` runs at the start of every pump, before any waiting.
  PumpHook(tk::Form1& form, tk::FormEvents& events, std::function<void()> act);
  // Gives the form its sink back.
  ~PumpHook() override;
  PumpHook(const PumpHook&) = delete;
  PumpHook& operator=(const PumpHook&) = delete;

  void Load() override { events_.Load(); }
  void KeyDown(int keyCode) override { events_.KeyDown(keyCode); }
  void KeyUp(int keyCode) override { events_.KeyUp(keyCode); }
  void QueryUnload() override { events_.QueryUnload(); }
  void PauseKey() override { events_.PauseKey(); }
  void FocusChanged(bool focused) override { events_.FocusChanged(focused); }
  void Pad(const tk::PadEvent& event) override { events_.Pad(event); }
  void Pumping() override;

 private:
  tk::Form1& form_;
  tk::FormEvents& events_;
  std::function<void()> act_;
};

}  // namespace ursa::harness
