// An event sink for tests that writes down every event Form1 delivers, in order,
// and lets a test react to each one.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/form_events.hpp"

namespace ursa::tk {

class RecordingEvents : public FormEvents {
 public:
  void Load() override { Note("Load"); }
  void KeyDown(int keyCode) override { Note("Down " + std::to_string(keyCode)); }
  void KeyUp(int keyCode) override { Note("Up " + std::to_string(keyCode)); }
  void QueryUnload() override { Note("Unload"); }
  // Not written down: a pump is no event of the game's.
  void Pumping() override {
    if (onPump) onPump();
  }

  std::vector<std::string> seen;
  // Runs after each event is written down, so a test can react (end the program, pump).
  std::function<void(const std::string&)> onEvent;
  // Runs at the start of every pump, before any waiting.
  std::function<void()> onPump;

 private:
  void Note(const std::string& what) {
    seen.push_back(what);
    if (onEvent) onEvent(what);
  }
};

}  // namespace ursa::tk
