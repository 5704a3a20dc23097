// Key bindings by name turned into keyboard keys, with the defaults kept where a name fails.
// The table's order is kGameKeys', whose keyboard keys are the defaults.
#include "app/input_options.hpp"

#include <strings.h>

#include "game/game_keys.hpp"
#include "toolkit/key_names.hpp"

namespace ursa {

namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace

SDL_Keycode KeyOfName(std::string_view name) {
  const SDL_Keycode key = tk::KeyFromName(name);
  if (key != SDLK_UNKNOWN) return key;
  for (const GameKey& gameKey : kGameKeys) {
    if (EqualIgnoringCase(gameKey.name, name)) return tk::KeyFromName(gameKey.keyboard[0]);
  }
  return SDLK_UNKNOWN;
}

bool BindableKeyName(std::string_view name) {
  if (name.empty()) return true;
  const SDL_Keycode key = KeyOfName(name);
  return key != SDLK_UNKNOWN && !tk::ReservedKey(key);
}

ResolvedBindings ResolveBindings(const InputOptions& options) {
  ResolvedBindings resolved;
  for (size_t i = 0; i < kGameKeys.size(); ++i) {
    const GameKey& gameKey = kGameKeys[i];
    tk::KeyBinding& binding = resolved.keys.emplace_back(tk::KeyBinding{
        gameKey.code,
        {tk::KeyFromName(gameKey.keyboard[0]), tk::KeyFromName(gameKey.keyboard[1])}});
    for (size_t place = 0; place < 2; ++place) {
      const std::string& name = options.bindings[i][place];
      if (!BindableKeyName(name)) {
        resolved.rejected.push_back(name);
        continue;
      }
      binding.keys[place] = KeyOfName(name);
    }
  }
  return resolved;
}

}  // namespace ursa
