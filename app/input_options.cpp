// Key bindings by name turned into keyboard keys, with the defaults kept where a name fails.
// The table's order is kGameKeys', which the toolkit's default bindings follow too.
#include "app/input_options.hpp"

#include "game/game_keys.hpp"
#include "toolkit/key_names.hpp"

namespace ursa {

namespace {

constexpr bool DefaultsFollowGameKeys() {
  if (kGameKeys.size() != tk::kDefaultBindings.size()) return false;
  for (size_t i = 0; i < kGameKeys.size(); ++i) {
    if (kGameKeys[i].code != tk::kDefaultBindings[i].keyCode) return false;
  }
  return true;
}
static_assert(DefaultsFollowGameKeys(), "the toolkit's default bindings are out of step");

}  // namespace

bool BindableKeyName(std::string_view name) {
  if (name.empty()) return true;
  const SDL_Keycode key = tk::KeyFromName(name);
  return key != SDLK_UNKNOWN && !tk::ReservedKey(key);
}

ResolvedBindings ResolveBindings(const InputOptions& options) {
  ResolvedBindings resolved{tk::kDefaultBindings, {}};
  for (size_t i = 0; i < kGameKeys.size(); ++i) {
    tk::KeyBinding& binding = resolved.keys[i];
    for (size_t place = 0; place < 2; ++place) {
      const std::string& name = options.bindings[i][place];
      if (!BindableKeyName(name)) {
        resolved.rejected.push_back(name);
        continue;
      }
      binding.keys[place] = tk::KeyFromName(name);
    }
  }
  return resolved;
}

}  // namespace ursa
