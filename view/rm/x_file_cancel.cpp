// The cancel flag and quit check of mesh loads: lock-free atomics, so that a signal handler
// may set the flag while the main thread waits for the importer.
#include "view/rm/x_file_cancel.hpp"

#include <atomic>

namespace ursa::rm {
namespace {

std::atomic<bool> cancelled{false};
std::atomic<XFileQuitCheck> quitCheck{nullptr};
static_assert(std::atomic<bool>::is_always_lock_free, "set from signal handlers");

}  // namespace

void CancelXFileLoads() noexcept { cancelled.store(true); }

void ResumeXFileLoads() noexcept { cancelled.store(false); }

bool XFileLoadsCancelled() noexcept { return cancelled.load(); }

void SetXFileQuitCheck(XFileQuitCheck check) noexcept { quitCheck.store(check); }

bool XFileQuitAsked() {
  if (cancelled.load()) return true;
  const XFileQuitCheck check = quitCheck.load();
  if (check == nullptr || !check()) return false;
  cancelled.store(true);
  return true;
}

}  // namespace ursa::rm
