// The search's state storage: packing, interning and the two open-addressing tables.
// Tables double when half full, so a probe meets an empty slot soon.
#include "tools/ursa-route/state_tables.hpp"

#include <stdexcept>
#include <utility>

#include "game/player_motion.hpp"
#include "game/stage_objects.hpp"
#include "game/surface_contact.hpp"

namespace ursa::route {

namespace {

constexpr int kVelXRange = 2 * kMaxRunSpeed + 1;
constexpr std::size_t kSmallestTable = 1024;

// The size a table of `size` slots doubles to for `count` things, at most half full; `size`
// when they fit.
std::size_t SlotsForCount(std::size_t size, std::size_t count) {
  while (2 * count > size) size = std::max(kSmallestTable, 2 * size);
  return size;
}

uint64_t ListHash(const int16_t* list, int length) {
  uint64_t hash = 0;
  for (int k = 0; k < length; ++k) {
    hash = MixHash(hash + static_cast<uint16_t>(list[k]) + 0x9e3779b97f4a7c15ULL);
  }
  return hash;
}

}  // namespace

uint64_t PlayerKey::Of(const GameState& s) {
  if (s.velX < -kMaxRunSpeed || s.velX > kMaxRunSpeed || s.velY < -kMaxFallSpeed ||
      s.velY > kJumpSpeed) {
    throw std::logic_error("a speed outside the rules' range");
  }
  const auto velX = static_cast<uint64_t>(s.velX + kMaxRunSpeed);
  const auto velY = static_cast<uint64_t>(s.velY + kMaxFallSpeed);
  return static_cast<uint64_t>(static_cast<uint16_t>(s.playerX)) << 32U |
         static_cast<uint64_t>(static_cast<uint16_t>(s.playerY)) << 16U |
         (velX * (kJumpSpeed + kMaxFallSpeed + 1) + velY);
}

void PlayerKey::Put(uint64_t key, GameState& s) {
  s.playerX = X(key);
  s.playerY = Y(key);
  const auto speeds = static_cast<int>(key & 0xffffU);
  s.velX = static_cast<int16_t>(speeds / (kJumpSpeed + kMaxFallSpeed + 1) - kMaxRunSpeed);
  s.velY = static_cast<int16_t>(speeds % (kJumpSpeed + kMaxFallSpeed + 1) - kMaxFallSpeed);
  static_assert(kVelXRange * (kJumpSpeed + kMaxFallSpeed + 1) <= 0x10000);
}

uint32_t SunkPool::Intern(const GameState& s, const std::vector<int>& sinkers, bool forgetGone,
                          const std::function<bool(std::size_t k)>& forget) {
  // A platform landed on has both limits on the floor; the layouts give no other platform such
  // limits. One whose top is at or below the fall limit can neither catch nor hold a player
  // still in play, and it only sinks on: where exactly it is changes nothing any more.
  int16_t list[1 + 3 * kObjectCount];
  int n = 0;
  for (std::size_t k = 0; k < sinkers.size(); ++k) {
    const int i = sinkers[k];
    if (s.objLimitA[i] != kSinkFloor || (forget && forget(k))) continue;
    int16_t y = s.objY[i];
    int16_t vel = s.objVel[i];
    if (forgetGone && y + kSinkerFootprint.top <= kFallLimit) {
      y = kSinkFloor;
      vel = 0;
    }
    list[1 + 3 * n] = static_cast<int16_t>(i);
    list[2 + 3 * n] = y;
    list[3 + 3 * n] = vel;
    ++n;
  }
  if (n == 0) return 0;
  list[0] = static_cast<int16_t>(n);
  const int length = 1 + 3 * n;
  const uint64_t hash = ListHash(list, length);
  if (2 * (count_ + 1) > slots_.size()) Rehash(SlotsForCount(slots_.size(), count_ + 1));
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const uint32_t ref = slots_[at];
    if (ref == 0) {
      const auto added = static_cast<uint32_t>(data_.size() + 1);
      data_.insert(data_.end(), list, list + length);
      slots_[at] = added;
      ++count_;
      return added;
    }
    if (std::equal(list, list + length, &data_[ref - 1])) return ref;
  }
}

// Rebuilds the slots at `size` from the lists stored so far.
void SunkPool::Rehash(std::size_t size) {
  std::vector<uint32_t> old = std::move(slots_);
  slots_.assign(size, 0);
  count_ = 0;
  const std::size_t mask = slots_.size() - 1;
  for (const uint32_t ref : old) {
    if (ref == 0) continue;
    const int16_t* stored = &data_[ref - 1];
    std::size_t at = ListHash(stored, 1 + 3 * stored[0]) & mask;
    while (slots_[at] != 0) at = (at + 1) & mask;
    slots_[at] = ref;
    ++count_;
  }
}

std::size_t SunkPool::SlotsFor(std::size_t more) const {
  return SlotsForCount(slots_.size(), count_ + more);
}

// A list of n platforms takes 1 + 3n numbers; the store doubles as a vector does.
std::size_t SunkPool::DataFor(std::size_t more, std::size_t platforms) const {
  const std::size_t needed = data_.size() + more * (1 + 3 * platforms);
  return needed > data_.capacity() ? std::max(needed, 2 * data_.capacity()) : data_.capacity();
}

std::size_t SunkPool::GrowthFor(std::size_t more, std::size_t platforms) const {
  if (platforms == 0) return 0;
  const std::size_t slots = SlotsFor(more);
  const std::size_t data = DataFor(more, platforms);
  return (slots != slots_.size() ? slots * sizeof(uint32_t) : 0) +
         (data != data_.capacity() ? data * sizeof(int16_t) : 0);
}

void SunkPool::MakeRoom(std::size_t more, std::size_t platforms) {
  if (platforms == 0) return;
  const std::size_t slots = SlotsFor(more);
  if (slots != slots_.size()) Rehash(slots);
  data_.reserve(DataFor(more, platforms));
}

void SunkPool::Apply(uint32_t ref, GameState& s) const {
  if (ref == 0) return;
  const int16_t* list = &data_[ref - 1];
  for (int k = 0; k < list[0]; ++k) {
    const int i = list[1 + 3 * k];
    s.objLimitA[i] = kSinkFloor;
    s.objLimitB[i] = kSinkFloor;
    s.objY[i] = list[2 + 3 * k];
    s.objVel[i] = list[3 + 3 * k];
  }
}

void SunkPool::Clear() {
  data_.clear();
  std::fill(slots_.begin(), slots_.end(), 0);
  count_ = 0;
}

void SunkPool::Swap(SunkPool& other) noexcept {
  data_.swap(other.data_);
  slots_.swap(other.slots_);
  std::swap(count_, other.count_);
}

std::size_t IdTable::GrowthFor(std::size_t more) const {
  const std::size_t size = SlotsForCount(slots_.size(), count_ + more);
  return size != slots_.size() ? size * sizeof(Slot) : 0;
}

void IdTable::MakeRoom(std::size_t more) {
  while (2 * (count_ + more) > slots_.size()) Grow();
}

void IdTable::Grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(std::max(kSmallestTable, 2 * old.size()), Slot{});
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.id == 0) continue;
    std::size_t at = slot.hash & mask;
    while (slots_[at].id != 0) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

void IdTable::Clear() {
  std::fill(slots_.begin(), slots_.end(), Slot{});
  count_ = 0;
}

namespace {

constexpr uint64_t kKeyBits = (uint64_t{1} << 48U) - 1;

uint64_t KeyHash(uint64_t slot) { return MixHash(slot & kKeyBits); }

}  // namespace

int KeySet::FindOrAdd(uint64_t key, int frame) {
  if (2 * (count_ + 1) > slots_.size()) Rehash(SlotsForCount(slots_.size(), count_ + 1));
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = KeyHash(key) & mask;; at = (at + 1) & mask) {
    const uint64_t slot = slots_[at];
    if (slot == 0) {
      slots_[at] = uint64_t{1} << 63U | static_cast<uint64_t>(frame) << 48U | key;
      ++count_;
      return frame;
    }
    if ((slot & kKeyBits) == key) return static_cast<int>((slot >> 48U) & 0x7fffU);
  }
}

std::size_t KeySet::GrowthFor(std::size_t more) const {
  const std::size_t size = SlotsForCount(slots_.size(), count_ + more);
  return size != slots_.size() ? size * sizeof(uint64_t) : 0;
}

void KeySet::MakeRoom(std::size_t more) {
  const std::size_t size = SlotsForCount(slots_.size(), count_ + more);
  if (size != slots_.size()) Rehash(size);
}

void KeySet::Rehash(std::size_t size) {
  std::vector<uint64_t> old = std::move(slots_);
  slots_.assign(size, 0);
  const std::size_t mask = slots_.size() - 1;
  for (const uint64_t k : old) {
    if (k == 0) continue;
    std::size_t at = KeyHash(k) & mask;
    while (slots_[at] != 0) at = (at + 1) & mask;
    slots_[at] = k;
  }
}

}  // namespace ursa::route
