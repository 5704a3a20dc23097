// The holds of every control, kept before a key is handed to the game: a key handler may
// run a whole game and press and release other keys before it returns.
#include "app/key_sources.hpp"

#include <algorithm>

namespace ursa {

void KeySources::Press(KeySource source, int keyCode) {
  if (!Holds(source, keyCode)) holds_.push_back({source, keyCode});
  deliver_(keyCode, true);
}

void KeySources::Release(KeySource source, int keyCode) {
  std::erase_if(holds_, [&](const Hold& h) { return h.source == source && h.keyCode == keyCode; });
  if (!Held(keyCode)) deliver_(keyCode, false);
}

void KeySources::ReleaseDevice(int32_t device) {
  std::vector<int> released;
  std::erase_if(holds_, [&](const Hold& h) {
    if (h.source.device != device) return false;
    released.push_back(h.keyCode);
    return true;
  });
  std::vector<int> delivered;
  for (const int keyCode : released) {
    const bool again = std::find(delivered.begin(), delivered.end(), keyCode) != delivered.end();
    if (again || Held(keyCode)) continue;
    delivered.push_back(keyCode);
    deliver_(keyCode, false);
  }
}

bool KeySources::Held(int keyCode) const {
  return std::any_of(holds_.begin(), holds_.end(),
                     [&](const Hold& h) { return h.keyCode == keyCode; });
}

bool KeySources::Holds(KeySource source, int keyCode) const {
  return std::any_of(holds_.begin(), holds_.end(),
                     [&](const Hold& h) { return h.source == source && h.keyCode == keyCode; });
}

}  // namespace ursa
