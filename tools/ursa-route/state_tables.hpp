// Compact storage for the exhaustive search's states: the player packed in a word, the landed-on
// sinking platforms of a state interned once, and hash tables of ids and of words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "game/game_state.hpp"

namespace ursa::route {

inline uint64_t MixHash(uint64_t x) {
  x ^= x >> 33U;
  x *= 0xff51afd7ed558ccdULL;
  x ^= x >> 33U;
  x *= 0xc4ceb34cf5e63b9dULL;
  x ^= x >> 33U;
  return x;
}

// The player's place and speeds in 43 bits: x and y whole, velX (-15..15) and velY (-20..28)
// from their lowest value.
struct PlayerKey {
  static uint64_t Of(const GameState& s);
  static void Put(uint64_t key, GameState& s);
  static int16_t X(uint64_t key) { return static_cast<int16_t>(key >> 32U); }
  static int16_t Y(uint64_t key) { return static_cast<int16_t>(key >> 16U); }
};

// The sinking platforms a state has landed on, each with its height and speed, stored once for
// all the states that share them; reference 0 stands for none.
class SunkPool {
 public:
  // The reference of `s`'s landed-on platforms among `sinkers`, leaving out those for which
  // `forget(k)` holds (k indexes `sinkers`). With `forgetGone`, a platform sunk too low ever to
  // hold the player again is stored as resting on the floor.
  uint32_t Intern(const GameState& s, const std::vector<int>& sinkers, bool forgetGone,
                  const std::function<bool(std::size_t k)>& forget);
  // Puts the platforms of `ref` into `s`.
  void Apply(uint32_t ref, GameState& s) const;
  void Clear();
  void Swap(SunkPool& other) noexcept;
  std::size_t Bytes() const {
    return data_.capacity() * sizeof(int16_t) + slots_.capacity() * sizeof(uint32_t);
  }
  // The bytes the pool would allocate to take `more` lists of at most `platforms` platforms
  // each: 0 when they fit as it is. MakeRoom allocates them now.
  std::size_t GrowthFor(std::size_t more, std::size_t platforms) const;
  void MakeRoom(std::size_t more, std::size_t platforms);

 private:
  void Rehash(std::size_t size);
  std::size_t SlotsFor(std::size_t more) const;
  std::size_t DataFor(std::size_t more, std::size_t platforms) const;

  // At each reference - 1: the count n, then n times index, height, speed.
  std::vector<int16_t> data_;
  std::vector<uint32_t> slots_;  // open addressing over references
  std::size_t count_ = 0;
};

// Open addressing over ids of things stored elsewhere.
class IdTable {
 public:
  // The id of an equal thing already in the table, or `id`, which is added.
  template <class Equal>
  uint32_t FindOrAdd(uint64_t hash, uint32_t id, Equal equal) {
    if (2 * (count_ + 1) > slots_.size()) Grow();
    const auto h = static_cast<uint32_t>(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = h & mask;; at = (at + 1) & mask) {
      Slot& slot = slots_[at];
      if (slot.id == 0) {
        slot = {id + 1, h};
        ++count_;
        return id;
      }
      if (slot.hash == h && equal(slot.id - 1)) return slot.id - 1;
    }
  }
  void Clear();
  std::size_t Bytes() const { return slots_.capacity() * sizeof(Slot); }
  // The bytes the table would allocate to take `more` things: 0 when they fit as it is.
  // MakeRoom allocates them now.
  std::size_t GrowthFor(std::size_t more) const;
  void MakeRoom(std::size_t more);

 private:
  struct Slot {
    uint32_t id = 0;  // id + 1; 0 is empty
    uint32_t hash = 0;
  };
  void Grow();

  std::vector<Slot> slots_;
  std::size_t count_ = 0;
};

// 48-bit words, each with the number (below 32768) of the frame it was first met after.
class KeySet {
 public:
  // The frame `key` was first met after; `frame` if it is new, and then it is added.
  int FindOrAdd(uint64_t key, int frame);
  std::size_t Size() const { return count_; }
  std::size_t Bytes() const { return slots_.capacity() * sizeof(uint64_t); }
  // The bytes the set would allocate to take `more` words: 0 when they fit as it is. MakeRoom
  // allocates them now.
  std::size_t GrowthFor(std::size_t more) const;
  void MakeRoom(std::size_t more);

 private:
  void Rehash(std::size_t size);

  std::vector<uint64_t> slots_;  // 1 << 63 | frame << 48 | key; 0 is empty
  std::size_t count_ = 0;
};

}  // namespace ursa::route
