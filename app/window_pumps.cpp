// The pumps between the game's steps. A death picture's wait goes on through keys, which only
// wake it to be delivered, so the sequence keeps its pace; the due times are on the play clock,
// so a pause holds a wait where it stands.
#include "app/window_pumps.hpp"

#include <algorithm>

#include "toolkit/form1.hpp"

namespace ursa {

WindowPumps::Plan WindowPumps::PlanFor(const StepWait& wait) const {
  using Ends = Plan::Ends;
  switch (wait.pump) {
    case PumpKind::kScreen:
      return {Ends::kOnEvent};
    case PumpKind::kWaiting:
      return {Ends::kAt, wait.wakeAtMs, false, true};
    case PumpKind::kDeath:
      return {Ends::kAt, deathDueMs_, true};
    case PumpKind::kAfterFrame:
      return {Ends::kAtOnce};
    case PumpKind::kLeaving:
      return {Ends::kAtOnce, 0, false, false, true};
  }
  return {Ends::kAtOnce};
}

void WindowPumps::PumpOnce(int64_t wakeAtMs) {
  form_.DoEvents(wakeAtMs < 0 ? -1 : pause_.WindowTime(wakeAtMs));
  pause_.PassWaited();
  pause_.StayWhilePaused();
}

void WindowPumps::Pump(const StepWait& wait) {
  const Plan plan = PlanFor(wait);
  const bool inPlay = plan.ends != Plan::Ends::kOnEvent && !plan.leavesPlay;
  if (inPlay) pause_.PumpBegins();
  if (plan.leavesPlay) {
    pause_.LeavePlay();
    form_.DoEvents();
  } else if (plan.ends == Plan::Ends::kOnEvent) {
    form_.WaitEvents();
  } else if (plan.picturesBetween && smooth_.Drawing()) {
    smooth_.WaitDrawingBetween(plan.atMs);
  } else {
    const int64_t wakeAtMs = plan.ends == Plan::Ends::kAt ? plan.atMs : -1;
    // A close ends the program here, so the rules stop before drawing another death picture.
    do {
      PumpOnce(wakeAtMs);
    } while (plan.throughEvents && !form_.Ended() && pause_.Now() < plan.atMs);
  }
  pause_.PumpEnded(inPlay);
}

bool WindowPumps::Poll(const StepWait& wait) {
  const Plan plan = PlanFor(wait);
  if (plan.leavesPlay) pause_.Resume();
  form_.DoEvents();
  if (form_.Ended()) return false;
  if (plan.ends == Plan::Ends::kOnEvent || plan.leavesPlay) return true;
  return !pause_.Hold() && (plan.ends == Plan::Ends::kAtOnce || pause_.Now() >= plan.atMs);
}

int64_t WindowPumps::MillisecondsLeft(const StepWait& wait) {
  if (pause_.Held()) return -1;
  const Plan plan = PlanFor(wait);
  switch (plan.ends) {
    case Plan::Ends::kOnEvent:
      return -1;
    case Plan::Ends::kAtOnce:
      return 0;
    case Plan::Ends::kAt:
      return std::max<int64_t>(0, plan.atMs - pause_.Now());
  }
  return 0;
}

}  // namespace ursa
