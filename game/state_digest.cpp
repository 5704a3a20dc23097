// FNV-1a digest of the object tables.
// Bytes are taken explicitly low then high, so the digest does not depend on the host's byte order.
#include "game/state_digest.hpp"

namespace ursa {

namespace {

constexpr uint32_t kFnvOffsetBasis = 0x811c9dc5U;
constexpr uint32_t kFnvPrime = 0x01000193U;

uint32_t HashTable(uint32_t hash, const std::array<int16_t, kObjectCount>& table) {
  for (int16_t value : table) {
    const auto bits = static_cast<uint16_t>(value);
    hash = (hash ^ (bits & 0xffU)) * kFnvPrime;
    hash = (hash ^ (bits >> 8U)) * kFnvPrime;
  }
  return hash;
}

}  // namespace

uint32_t ObjectHash(const GameState& s) {
  uint32_t hash = kFnvOffsetBasis;
  for (const auto* table : {&s.objX, &s.objY, &s.objKind, &s.objLimitA, &s.objLimitB, &s.objVel}) {
    hash = HashTable(hash, *table);
  }
  return hash;
}

}  // namespace ursa
