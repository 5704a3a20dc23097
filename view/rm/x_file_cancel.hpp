// Ending mesh loads at a quit: a load that waits for the importer ends at once when the player
// quits (SIGTERM, SIGHUP, closing the window) instead of after the importer's time limit.
#pragma once

#include <stdexcept>

namespace ursa::rm {

// Thrown by a load that a quit ended. Not an rm::Error: no file is at fault, and the shell
// should end quietly instead of reporting it.
class XFileLoadCancelled : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Ends the parse that waits for the importer now, and every later one at its start, until
// ResumeXFileLoads. Files parsed before still load from memory. Async-signal-safe: meant for
// the shell's SIGTERM and SIGHUP handlers.
void CancelXFileLoads() noexcept;
void ResumeXFileLoads() noexcept;
bool XFileLoadsCancelled() noexcept;

// A question a waiting parse asks about every 50 ms and after each signal; true cancels as
// CancelXFileLoads does. A shell whose quit arrives as a window event answers it from its
// event queue (a close already queued), without taking any event out. nullptr removes it.
using XFileQuitCheck = bool (*)();
void SetXFileQuitCheck(XFileQuitCheck check) noexcept;

// The cancel flag, set by a true answer to the quit check as well.
bool XFileQuitAsked();

}  // namespace ursa::rm
