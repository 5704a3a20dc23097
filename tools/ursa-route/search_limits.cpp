// The memory limits read from Linux's files and calls, and sizes read and written for people.
// A file that is missing or unreadable means no limit of its kind.
#include "tools/ursa-route/search_limits.hpp"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "text/whole_number.hpp"

namespace ursa::route {

namespace {

// Above this a cgroup's limit stands for none (version 1 writes the largest page-aligned value).
constexpr std::size_t kNoCgroupLimit = std::size_t{1} << 62U;

std::size_t RlimitOf(int resource) {
  rlimit limit{};
  if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return kNoLimit;
  return static_cast<std::size_t>(limit.rlim_cur);
}

// A whole number of bytes alone in a file, as the cgroup files hold it; "max" is none.
std::size_t CgroupValue(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string text;
  if (!(in >> text)) return kNoLimit;
  const auto value = text::ParseWholeNumber<std::size_t>(text, 0, kNoLimit);
  return value && *value < kNoCgroupLimit ? *value : kNoLimit;
}

// The lowest limit in `file` of the cgroup at `path` under `root` and of those above it.
std::size_t LowestAlongPath(const std::filesystem::path& root, const std::string& path,
                            const char* file) {
  std::string below = path.substr(std::min(path.find_first_not_of('/'), path.size()));
  std::size_t lowest = kNoLimit;
  for (;;) {
    lowest = std::min(lowest, CgroupValue(root / below / file));
    if (below.empty()) return lowest;
    const std::size_t slash = below.find_last_of('/');
    below.erase(slash == std::string::npos ? 0 : slash);
  }
}

std::size_t CgroupLimit() {
  std::ifstream in("/proc/self/cgroup");
  std::size_t lowest = kNoLimit;
  for (std::string line; std::getline(in, line);) {
    // "0::/path" for version 2, "N:memory:/path" (among other controllers) for version 1.
    const std::size_t first = line.find(':');
    const std::size_t second = line.find(':', first + 1);
    if (first == std::string::npos || second == std::string::npos) continue;
    const std::string controllers = line.substr(first + 1, second - first - 1);
    const std::string path = line.substr(second + 1);
    if (controllers.empty()) {
      lowest = std::min(lowest, LowestAlongPath("/sys/fs/cgroup", path, "memory.max"));
    } else if (("," + controllers + ",").find(",memory,") != std::string::npos) {
      lowest =
          std::min(lowest, LowestAlongPath("/sys/fs/cgroup/memory", path, "memory.limit_in_bytes"));
    }
  }
  return lowest;
}

// A "Name: N kB" line's bytes in /proc's `file`; 0 where it has none.
std::size_t KilobyteField(const char* file, std::string_view field) {
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    std::string name;
    std::size_t kilobytes = 0;
    if (fields >> name >> kilobytes && name == field) return kilobytes * 1024;
  }
  return 0;
}

std::size_t AvailableMemory() {
  const std::size_t available = KilobyteField("/proc/meminfo", "MemAvailable:");
  if (available != 0) return available;
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return kNoLimit;
  return static_cast<std::size_t>(pages) * static_cast<std::size_t>(pageSize);
}

}  // namespace

std::size_t ProcessPeakBytes() { return KilobyteField("/proc/self/status", "VmPeak:"); }

MemoryLimits ReadMemoryLimits() {
  MemoryLimits limits;
  limits.available = AvailableMemory();
  limits.addressSpace = RlimitOf(RLIMIT_AS);
  limits.data = RlimitOf(RLIMIT_DATA);
  limits.cgroup = CgroupLimit();
  return limits;
}

MemoryBudget ChooseMemoryBudget(std::optional<std::size_t> asked, const MemoryLimits& limits) {
  // The machine's memory is shared with whatever else runs: a search of hours leaves a quarter
  // of it to the rest. The process's own limits are hard: past them an allocation fails.
  MemoryBudget budget{kNoLimit, "no limit known"};
  const auto lower = [&](std::size_t bytes, const char* from) {
    if (bytes < budget.bytes) budget = {bytes, from};
  };
  if (asked) {
    lower(*asked, "--max-memory");
  } else if (limits.available != kNoLimit) {
    lower(limits.available / 4 * 3, "3/4 of the memory available");
  }
  lower(limits.addressSpace, "the address-space limit, ulimit -v");
  lower(limits.data, "the data limit, ulimit -d");
  lower(limits.cgroup, "the cgroup's memory limit");
  return budget;
}

std::optional<std::size_t> ParseMemorySize(std::string_view text) {
  int shift = 0;
  if (!text.empty()) {
    switch (text.back()) {
      case 'K':
      case 'k':
        shift = 10;
        break;
      case 'M':
      case 'm':
        shift = 20;
        break;
      case 'G':
      case 'g':
        shift = 30;
        break;
      case 'T':
      case 't':
        shift = 40;
        break;
      default:
        break;
    }
  }
  if (shift != 0) text.remove_suffix(1);
  const auto number = text::ParseWholeNumber<std::size_t>(text, 1, kNoLimit >> shift);
  if (!number) return std::nullopt;
  return *number << static_cast<unsigned>(shift);
}

std::string MemorySizeText(std::size_t bytes) {
  if (bytes == kNoLimit) return "no limit";
  constexpr const char* kUnits[] = {"bytes", "KiB", "MiB", "GiB", "TiB"};
  auto value = static_cast<double>(bytes);
  std::size_t unit = 0;
  while (value >= 1024 && unit + 1 < std::size(kUnits)) {
    value /= 1024;
    ++unit;
  }
  char text[32];
  if (unit == 0 || value >= 100 || value == static_cast<double>(static_cast<long>(value))) {
    std::snprintf(text, sizeof text, "%.0f %s", value, kUnits[unit]);
  } else {
    std::snprintf(text, sizeof text, "%.1f %s", value, kUnits[unit]);
  }
  return text;
}

}  // namespace ursa::route
