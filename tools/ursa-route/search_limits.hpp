// What ends a stage search before it is done, and the memory it may take: read from the machine
// and from the process's own limits, or given on the command line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace ursa::route {

// Why a search ended without its answer: kNone when it got to one.
enum class SearchStop : uint8_t { kNone, kMemory, kTime, kInterrupted };

inline constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

// The limits on the process's memory, each kNoLimit where there is none.
struct MemoryLimits {
  std::size_t available = kNoLimit;     // what the machine can give without swapping
  std::size_t addressSpace = kNoLimit;  // RLIMIT_AS (ulimit -v)
  std::size_t data = kNoLimit;          // RLIMIT_DATA (ulimit -d)
  std::size_t cgroup = kNoLimit;        // the lowest memory.max of the process's cgroups
};

// Reads /proc/meminfo's MemAvailable (physical memory when it has none), getrlimit and the
// cgroup files of /proc/self/cgroup (version 2's memory.max, version 1's
// memory.limit_in_bytes), the process's cgroup and every one above it.
MemoryLimits ReadMemoryLimits();

struct MemoryBudget {
  std::size_t bytes = 0;  // the most the whole process may take
  std::string from;       // what set it, for the report: "--max-memory", "ulimit -v", ...
};

// `asked` (from --max-memory), or without it three quarters of the available memory; either
// way no more than the process's own limits allow.
MemoryBudget ChooseMemoryBudget(std::optional<std::size_t> asked, const MemoryLimits& limits);

// What the process holds besides what the searches count: the program and its libraries, the
// stacks, the heap's own bookkeeping and the searches' small allocations (some 8 to 15 MiB at
// the peak in the stages measured; the rest is room to spare).
inline constexpr std::size_t kUncountedBytes = std::size_t{48} << 20U;

// The bytes the searches may count within a budget for the whole process.
inline std::size_t SearchBytes(std::size_t budget) {
  return budget > kUncountedBytes ? budget - kUncountedBytes : 0;
}

// The most address space the process has held (/proc/self/status VmPeak); 0 where unknown.
std::size_t ProcessPeakBytes();

// "512M", "2G", "1536K", "1T" (units of 1024) or plain bytes; nothing for anything else, for
// nothing at all and for sizes the machine cannot count.
std::optional<std::size_t> ParseMemorySize(std::string_view text);

// The size for a person: "512 MiB", "1.5 GiB".
std::string MemorySizeText(std::size_t bytes);

}  // namespace ursa::route
