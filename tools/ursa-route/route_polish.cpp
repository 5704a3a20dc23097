// Route polishing by local replacement and replay: every candidate plan is played through the
// real frames, so a polished route is as honest as the searched one.
#include "tools/ursa-route/route_polish.hpp"

#include "tools/ursa-route/door_replay.hpp"

namespace ursa::route {

namespace {

constexpr int kDirections = 3;

int DirectionPart(int choice) { return choice % kDirections; }
int JumpPart(int choice) { return choice / kDirections; }
uint8_t Choice(int direction, int jump) {
  return static_cast<uint8_t>(direction + kDirections * jump);
}

// The steps the plan needs to reach its door.
std::size_t StepsFor(int frames, int framesPerStep) {
  return static_cast<std::size_t>((frames + framesPerStep - 1) / framesPerStep);
}

}  // namespace

std::vector<ScriptEvent> PlanEvents(const ChoicePlan& plan, uint8_t* heldAtEnd) {
  std::vector<ScriptEvent> events;
  uint8_t held = plan.heldAtStart;
  uint8_t stale = plan.heldAtStart;
  for (std::size_t step = 0; step < plan.choices.size(); ++step) {
    const uint8_t want = HeldKeysOfChoice(plan.choices[step]);
    const KeyChanges changes =
        ChangeKeys(held, want, stale, static_cast<int>(step) * plan.framesPerStep);
    events.insert(events.end(), changes.events.begin(), changes.events.begin() + changes.count);
    held = want;
    stale = 0;
  }
  if (heldAtEnd != nullptr) *heldAtEnd = held;
  return events;
}

std::optional<int> PlanDoorFrames(const Game& start, const ChoicePlan& plan) {
  Game game = start;
  return PlayToDoor(game, PlanEvents(plan),
                    static_cast<int>(plan.choices.size()) * plan.framesPerStep);
}

ChoicePlan PolishPlan(const Game& start, ChoicePlan plan) {
  std::optional<int> best = PlanDoorFrames(start, plan);
  if (!best) return plan;
  std::size_t bestEvents = PlanEvents(plan).size();
  bool improved = true;
  while (improved) {
    improved = false;
    for (std::size_t runStart = 0; runStart < plan.choices.size() && !improved;) {
      std::size_t runEnd = runStart;
      while (runEnd < plan.choices.size() && plan.choices[runEnd] == plan.choices[runStart]) {
        ++runEnd;
      }
      const int own = plan.choices[runStart];
      std::vector<uint8_t> candidates;
      for (const std::size_t neighbour : {runStart - 1, runEnd}) {
        if (neighbour >= plan.choices.size()) continue;  // also catches runStart - 1 wrapping
        const int other = plan.choices[neighbour];
        candidates.push_back(static_cast<uint8_t>(other));
        candidates.push_back(Choice(DirectionPart(other), JumpPart(own)));
        candidates.push_back(Choice(DirectionPart(own), JumpPart(other)));
      }
      for (const uint8_t candidate : candidates) {
        if (candidate == own) continue;
        ChoicePlan trial = plan;
        for (std::size_t i = runStart; i < runEnd; ++i) trial.choices[i] = candidate;
        const std::optional<int> frames = PlanDoorFrames(start, trial);
        if (!frames || *frames > *best) continue;
        trial.choices.resize(StepsFor(*frames, trial.framesPerStep));
        const std::size_t events = PlanEvents(trial).size();
        if (events < bestEvents || (events == bestEvents && *frames < *best)) {
          plan = std::move(trial);
          best = frames;
          bestEvents = events;
          improved = true;
          break;
        }
      }
      runStart = runEnd;
    }
  }
  return plan;
}

}  // namespace ursa::route
