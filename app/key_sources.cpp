// The holds of every control, and what they make of the game's keys.
#include "app/key_sources.hpp"

#include <algorithm>
#include <utility>

namespace ursa {

void KeySources::Press(KeySource source, int keyCode) {
  if (!Holds(source, keyCode)) holds_.push_back({source, keyCode});
  changes_.push_back({keyCode, true});
}

void KeySources::Release(KeySource source, int keyCode) {
  std::erase_if(holds_, [&](const Hold& h) { return h.source == source && h.keyCode == keyCode; });
  if (!Held(keyCode)) changes_.push_back({keyCode, false});
}

void KeySources::ReleaseDevice(int32_t device) {
  std::vector<int> released;
  std::erase_if(holds_, [&](const Hold& h) {
    if (h.source.device != device) return false;
    released.push_back(h.keyCode);
    return true;
  });
  std::vector<int> upAlready;
  for (const int keyCode : released) {
    const bool again = std::find(upAlready.begin(), upAlready.end(), keyCode) != upAlready.end();
    if (again || Held(keyCode)) continue;
    upAlready.push_back(keyCode);
    changes_.push_back({keyCode, false});
  }
}

std::vector<KeyPress> KeySources::TakeChanges() { return std::exchange(changes_, {}); }

bool KeySources::Held(int keyCode) const {
  return std::any_of(holds_.begin(), holds_.end(),
                     [&](const Hold& h) { return h.keyCode == keyCode; });
}

bool KeySources::Holds(KeySource source, int keyCode) const {
  return std::any_of(holds_.begin(), holds_.end(),
                     [&](const Hold& h) { return h.source == source && h.keyCode == keyCode; });
}

}  // namespace ursa
