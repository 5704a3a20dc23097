// The game's keys: the codes its key handlers take, their key-script names, their keyboard
// keys. The window binds keys to the codes from this table; every other place names a key by it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ursa {

// Virtual-key codes of the keys the game reads.
enum KeyCode : int {
  kKeyEnter = 13,
  kKeyEsc = 27,
  kKeySpace = 32,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyTimeAttack = 84,  // T: a time attack from the title
};

struct GameKey {
  KeyCode code;
  std::string_view name;  // as a key script writes it, case-sensitive
  // The keyboard keys that send it unless the settings say otherwise, by the names a player
  // writes in the settings; an empty name binds nothing.
  std::array<std::string_view, 2> keyboard;
};

inline constexpr std::array<GameKey, 7> kGameKeys = {{
    {kKeyLeft, "Left", {"Left", ""}},
    {kKeyRight, "Right", {"Right", ""}},
    {kKeyUp, "Up", {"Up", ""}},
    {kKeySpace, "Space", {"Space", ""}},
    {kKeyEnter, "Enter", {"Return", "Keypad Enter"}},
    {kKeyEsc, "Esc", {"Escape", ""}},
    {kKeyTimeAttack, "TimeAttack", {"T", ""}},
}};

// The script name of a key code; empty for a code the game does not read.
constexpr std::string_view KeyName(int code) {
  for (const GameKey& key : kGameKeys) {
    if (key.code == code) return key.name;
  }
  return {};
}

// "Left Right Up Space Enter Esc TimeAttack": the script names, for messages and help texts.
inline std::string KeyNameList() {
  std::string list;
  for (const GameKey& key : kGameKeys) {
    if (!list.empty()) list += ' ';
    list += key.name;
  }
  return list;
}

// The key code of a script name; nothing for a name that is not one of them.
constexpr std::optional<int> KeyFromName(std::string_view name) {
  for (const GameKey& key : kGameKeys) {
    if (key.name == name) return key.code;
  }
  return std::nullopt;
}

}  // namespace ursa
