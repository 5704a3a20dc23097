// ScriptedPlay: runs the real window layer and the game on a virtual clock, fast and headless.
#include "harness/scripted_play.hpp"

#include "harness/pump_hook.hpp"

namespace ursa::harness {
namespace {

tk::FormOptions ScriptedOptions(tk::Clock* clock) {
  tk::FormOptions options;
  options.windowed = true;
  options.present = false;
  options.clock = clock;
  return options;
}

}  // namespace

ScriptedPlay::ScriptedPlay() : window_(ScriptedOptions(&clock_)) {}

std::string ScriptedPlay::Run(std::vector<Step> steps, int64_t limitMs) {
  size_t next = 0;
  const int64_t deadline = Now() + limitMs;
  const PumpHook hook(Form(), window_, [&] {
    FeedKeysOfThisFrame();
    // One step per pump at most, so what a step sends reaches the game before the next.
    if (next < steps.size() && steps[next].ready()) steps[next++].act();
    if (next < steps.size() && Now() > deadline) window_.QueryUnload();
  });
  window_.Run();
  return next < steps.size() ? steps[next].name : std::string();
}

void ScriptedPlay::FeedKeysOfThisFrame() {
  if (!keys_) return;
  // The pushed keys wait in the queue until this pump delivers them, so the game's moment
  // cannot change between two of them.
  const auto framesRun = static_cast<uint64_t>(window_.FramesRun());
  while (const std::optional<ScriptEvent> key = keys_->Next(Game().screen, framesRun)) {
    PushKey(Form(), SdlKeyOf(key->keyCode), key->down);
  }
}

}  // namespace ursa::harness
