// Picking out the few entries of a stage table near the player, many entries at a time, for
// the passes that must visit all of them in index order but find most of them out of reach.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// On x86-64 the passes are also built for processors with 256-bit vectors (AVX2), and each
// pass picks that build when the processor running it has them. URSA_NARROW_LANES_ONLY leaves
// the wide build out (the rules' tests check the narrow one that way).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(URSA_NARROW_LANES_ONLY)
#define URSA_WIDE_LANES 1
#define URSA_WIDE_TARGET [[gnu::target("avx2")]]
#else
#define URSA_WIDE_LANES 0
#endif

// The helpers below hand vectors to each other; they are always inlined, so each build of a pass
// compiles them for its own vector width.
#define URSA_LANES_INLINE [[gnu::always_inline]] inline

namespace ursa {

// Table entries side by side, 8 (NarrowLanes) or 16 (WideLanes) at a time. Arithmetic on them
// wraps to 16 bits like the rules', and a comparison gives -1 in each entry where it holds and 0
// elsewhere.
template <int N>
struct LaneVector;
template <>
struct LaneVector<8> {
  using Signed = int16_t __attribute__((vector_size(16)));
  using Unsigned = uint16_t __attribute__((vector_size(16)));
};
template <>
struct LaneVector<16> {
  using Signed = int16_t __attribute__((vector_size(32)));
  using Unsigned = uint16_t __attribute__((vector_size(32)));
};
using NarrowLanes = LaneVector<8>::Signed;
using WideLanes = LaneVector<16>::Signed;

template <class L>
inline constexpr int kLanesOf = static_cast<int>(sizeof(L) / sizeof(int16_t));

// Bit i stands for lane i.
using LaneMask = uint32_t;

#if URSA_WIDE_LANES
// Whether this processor runs the wide build of the passes.
inline bool WideLanesSupported() {
  static const bool supported = __builtin_cpu_supports("avx2");
  return supported;
}
#endif

// A shuffle rather than a list of equal values: the compiler turns it into one broadcast in
// every build of the passes, where it would assemble the list value by value.
template <class L>
URSA_LANES_INLINE L Broadcast(int16_t value) {
  L lanes{};
  lanes[0] = value;
  if constexpr (kLanesOf<L> == 8) {
    return __builtin_shufflevector(lanes, lanes, 0, 0, 0, 0, 0, 0, 0, 0);
  } else {
    return __builtin_shufflevector(lanes, lanes, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  }
}

template <class L>
URSA_LANES_INLINE L LaneIndex() {
  if constexpr (kLanesOf<L> == 8) {
    return L{0, 1, 2, 3, 4, 5, 6, 7};
  } else {
    return L{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  }
}

// a + b in every entry, wrapped to 16 bits.
template <class L>
URSA_LANES_INLINE L AddWrapped(L a, L b) {
  using Unsigned = typename LaneVector<kLanesOf<L>>::Unsigned;
  return reinterpret_cast<L>(reinterpret_cast<Unsigned>(a) + reinterpret_cast<Unsigned>(b));
}
template <class L>
URSA_LANES_INLINE L AddWrapped(L value, int16_t offset) {
  return AddWrapped(value, Broadcast<L>(offset));
}

// 0 - value in every entry, wrapped to 16 bits.
template <class L>
URSA_LANES_INLINE L Negated(L value) {
  using Unsigned = typename LaneVector<kLanesOf<L>>::Unsigned;
  return reinterpret_cast<L>(Unsigned{} - reinterpret_cast<Unsigned>(value));
}

// `yes` where `mask` is -1, `no` elsewhere.
template <class L>
URSA_LANES_INLINE L Select(L mask, L yes, L no) {
  return (mask & yes) | (~mask & no);
}

// Consecutive entries of a table, at..at+lanes-1, of which the lanes in `own` are this group's
// to handle. A table of N entries has N / lanes groups, rounded up; when N is not a multiple of
// the lanes the last group lies against the table's end, overlapping the one before it, so that
// every load and store is whole and none reaches outside the table.
template <class L>
struct LaneGroup {
  int at = 0;
  L own{};
};

template <class L, std::size_t N>
inline constexpr int kLaneGroups = static_cast<int>((N + kLanesOf<L> - 1) / kLanesOf<L>);

template <class L, std::size_t N>
URSA_LANES_INLINE LaneGroup<L> GroupOf(int group) {
  static_assert(N >= kLanesOf<L>);
  const int first = group * kLanesOf<L>;
  const int at = std::min(first, static_cast<int>(N) - kLanesOf<L>);
  return {at, LaneIndex<L>() >= Broadcast<L>(static_cast<int16_t>(first - at))};
}

template <class L, std::size_t N>
URSA_LANES_INLINE L LoadLanes(const std::array<int16_t, N>& table, int at) {
  L lanes;
  std::memcpy(&lanes, &table[static_cast<std::size_t>(at)], sizeof lanes);
  return lanes;
}

template <class L, std::size_t N>
URSA_LANES_INLINE void StoreLanes(std::array<int16_t, N>& table, int at, L lanes) {
  std::memcpy(&table[static_cast<std::size_t>(at)], &lanes, sizeof lanes);
}

// The lanes where `mask` is -1, as bits.
template <class L>
URSA_LANES_INLINE LaneMask LaneFlags(L mask) {
#if defined(__SSE2__)
  if constexpr (kLanesOf<L> == 8) {
    const auto words = reinterpret_cast<__m128i>(mask);
    return static_cast<LaneMask>(_mm_movemask_epi8(_mm_packs_epi16(words, words)) & 0xff);
  } else {
    __m128i halves[2];
    std::memcpy(halves, &mask, sizeof halves);
    return static_cast<LaneMask>(_mm_movemask_epi8(_mm_packs_epi16(halves[0], halves[1])));
  }
#else
  LaneMask bits = 0;
  for (int lane = 0; lane < kLanesOf<L>; ++lane) {
    bits |= static_cast<LaneMask>(mask[lane] & 1) << lane;
  }
  return bits;
#endif
}

// The first lane of a mask; clears it.
URSA_LANES_INLINE int TakeFirstLane(LaneMask& mask) {
  const int lane = std::countr_zero(mask);
  mask &= mask - 1;
  return lane;
}

// The lanes of a mask after `lane`.
URSA_LANES_INLINE LaneMask LanesAfter(LaneMask mask, int lane) {
  return mask & (~LaneMask{0} << (lane + 1));
}

}  // namespace ursa
