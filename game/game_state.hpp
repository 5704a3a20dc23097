// GameState: every variable of a game in one plain record, with the widths the rules compute in.
// The 3D handles live beside it in the view (SceneHandles), so the rules stay free of graphics.
#pragma once

#include <array>
#include <cstdint>
#include <type_traits>

namespace ursa {

inline constexpr int kBlockCount = 100;
inline constexpr int kObjectCount = 50;

// running is a 16-bit boolean: True is -1, False is 0.
inline constexpr int16_t kTrue = -1;
inline constexpr int16_t kFalse = 0;

// Object kind codes; the names are those of the mesh files.
enum ObjKind : int16_t {
  kKindNone = 0,
  kKindDoor = 1,
  kKindLight = 2,
  kKindArrow = 3,
  kKindBlock2 = 4,  // horizontal mover
  kKindToge = 5,    // spike
  kKindBlock3 = 6,  // vertical mover that sinks once landed on
};

struct GameState {
  int16_t stage = 0;
  int16_t missCount = 0;
  int32_t frameCount = 0;
  int16_t running = kFalse;
  int32_t lastTick = 0;

  int16_t playerX = 0;
  int16_t playerY = 0;
  int16_t velX = 0;
  int16_t velY = 0;
  int16_t animFrame = 0;
  int16_t moveInput = 0;
  int16_t jumpKey = 0;  // 0 released, -1 pressed and unused, -2 used
  int16_t onGround = 0;
  int16_t deathTimer = 0;

  std::array<int16_t, kBlockCount> blockX{};
  std::array<int16_t, kBlockCount> blockY{};

  std::array<int16_t, kObjectCount> objX{};
  std::array<int16_t, kObjectCount> objY{};
  std::array<int16_t, kObjectCount> objKind{};
  std::array<int16_t, kObjectCount> objLimitA{};
  std::array<int16_t, kObjectCount> objLimitB{};
  std::array<int16_t, kObjectCount> objVel{};

  // Text and place of the next outlined text (the ending screen's numbers).
  std::array<char, 32> msgText{};
  int16_t msgX = 0;
  int16_t msgY = 0;
};

static_assert(std::is_trivially_copyable_v<GameState>);

// Game arithmetic is 16-bit signed: sums are formed in int and wrapped back to the field's
// width, so wrap-around is explicit and the behaviour defined.
constexpr int16_t Wrap16(int value) { return static_cast<int16_t>(static_cast<uint16_t>(value)); }

}  // namespace ursa
