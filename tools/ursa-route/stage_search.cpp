// The stage search: all states of a step share one frame of play, so only sinking platforms
// tell them apart besides the player; the beam keeps those nearest the door, a few per cell.
#include "tools/ursa-route/stage_search.hpp"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "game/frame.hpp"
#include "game/key_feed.hpp"
#include "game/null_host.hpp"
#include "tools/ursa-route/door_distance.hpp"
#include "tools/ursa-route/route_polish.hpp"

namespace ursa::route {

namespace {

struct Node {
  Game game;
  uint8_t held = 0;
  uint8_t stale = 0;  // held keys that the stage start made the game forget
  uint16_t events = 0;
  int32_t parent = -1;
  uint8_t choice = 0;
};

// How a state was reached: its parent in the previous step and the input chosen there.
struct Trail {
  int32_t parent;
  uint8_t choice;
};

struct Finish {
  int32_t parent = -1;
  uint8_t choice = 0;
  int frames = 0;
  int events = 0;
};

uint64_t Mix(uint64_t hash, uint64_t value) {
  hash ^= value + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
  return hash;
}

// The objects whose state can differ between the states of one step. Horizontal movers go
// their way whatever the player does, but a sinking platform starts when it is landed on.
std::vector<int> SinkingPlatforms(const GameState& s) {
  std::vector<int> sinkers;
  for (int i = 0; i < kObjectCount; ++i) {
    if (s.objKind[i] == kKindBlock3) sinkers.push_back(i);
  }
  return sinkers;
}

// Two states of one step with the same key play on identically, whatever their walk animation.
uint64_t StateKey(const Node& node, const std::vector<int>& sinkers) {
  const GameState& s = node.game.state;
  uint64_t key = static_cast<uint16_t>(s.playerX);
  key = key << 16 | static_cast<uint16_t>(s.playerY);
  key = key << 8 | static_cast<uint8_t>(s.velX);
  key = key << 8 | static_cast<uint8_t>(s.velY);
  key = key << 4 | static_cast<uint8_t>(s.jumpKey + 2);
  key = key << 2 | static_cast<uint8_t>(s.moveInput + 1);
  key = key << 1 | static_cast<uint8_t>(s.onGround);
  key = key << 3 | node.held;
  key = Mix(key, node.stale);
  for (const int i : sinkers) {
    key = Mix(key, static_cast<uint32_t>(static_cast<uint16_t>(s.objY[i])) << 16 |
                       static_cast<uint16_t>(s.objVel[i]));
  }
  return key;
}

int64_t CellOf(const GameState& s) {
  constexpr int kCellSize = 50;
  return (int64_t{s.playerX} + 40000) / kCellSize * 100000 + (s.playerY + 40000) / kCellSize;
}

// Below this height nothing can catch the player again, not even after a jump.
int HopelessHeight(const GameState& s) {
  int lowest = 0;
  bool any = false;
  for (const Surface& surface : StageSurfaces(s)) {
    lowest = any ? std::min(lowest, surface.top) : surface.top;
    any = true;
  }
  for (int i = 0; i < kObjectCount; ++i) {
    if (s.objKind[i] == kKindBlock3) {
      lowest = std::min<int>(lowest, std::min(s.objLimitA[i], s.objLimitB[i]) + 140);
    }
  }
  constexpr int kHighestJump = 460;
  return lowest - kHighestJump;
}

// Keeps the beam's width of states nearest the door, key events counted at their price, at
// first no more than statesPerCell in one cell: that keeps detours alive where the door
// distance misjudges the way.
std::vector<Node> Prune(std::vector<Node>& states, const DoorDistance& door,
                        const SearchOptions& options) {
  std::vector<int> score(states.size());
  for (std::size_t i = 0; i < states.size(); ++i) {
    const GameState& s = states[i].game.state;
    score[i] = door.From(s.playerX, s.playerY, s.velY, s.onGround == 1) +
               options.keyEventCost * states[i].events;
  }
  std::vector<std::size_t> order(states.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (score[a] != score[b]) return score[a] < score[b];
    return states[a].events < states[b].events;
  });
  const auto width = static_cast<std::size_t>(options.beamWidth);
  std::vector<bool> taken(states.size(), false);
  std::vector<Node> kept;
  kept.reserve(width);
  std::unordered_map<int64_t, int> perCell;
  for (std::size_t i : order) {
    if (kept.size() == width) break;
    int& count = perCell[CellOf(states[i].game.state)];
    if (count >= options.statesPerCell) continue;
    ++count;
    taken[i] = true;
    kept.push_back(states[i]);
  }
  for (std::size_t i : order) {
    if (kept.size() == width) break;
    if (!taken[i]) kept.push_back(states[i]);
  }
  return kept;
}

// The child of `node` that holds the keys of `choice` from the first frame of `step`.
Node Child(const Node& node, int32_t parent, int choice, int step, int framesPerStep,
           GameHost& host) {
  Node child = node;
  const uint8_t want = HeldKeysOfChoice(choice);
  const KeyChanges changes = ChangeKeys(node.held, want, node.stale, step * framesPerStep);
  for (int e = 0; e < changes.count; ++e) DeliverKey(child.game, host, changes.events[e]);
  child.held = want;
  child.stale = 0;
  child.events = static_cast<uint16_t>(node.events + changes.count);
  child.parent = parent;
  child.choice = static_cast<uint8_t>(choice);
  return child;
}

// Plays the frames of one step; stops early at a door or a miss. `frames` counts those played.
FrameResult PlayStep(GameState& s, int framesPerStep, GameHost& host, int& frames) {
  FrameResult result = FrameResult::kNone;
  for (frames = 0; frames < framesPerStep && result == FrameResult::kNone; ++frames) {
    result = RunFrame(s, host);
  }
  return result;
}

// The choices from the stage start to the step that reached the door.
std::vector<uint8_t> Backtrack(const std::vector<std::vector<Trail>>& trails, int step,
                               const Finish& finish) {
  std::vector<uint8_t> choices(static_cast<std::size_t>(step) + 1);
  choices[step] = finish.choice;
  int32_t at = finish.parent;
  for (int t = step; t >= 1; --t) {
    choices[t - 1] = trails[t][at].choice;
    at = trails[t][at].parent;
  }
  return choices;
}

// What the heap holds for one entry of an unordered_map of 8-byte keys and values: the node
// with its link, the heap's own header, and a bucket.
constexpr std::size_t kMapEntryBytes = 48;

// A step from a layer of `states` states in a beam `width` wide holds, besides the layer, its
// children (room for every choice of every state) with their index, and when they are too many,
// their scores and order, the kept ones and the count per cell.
std::size_t StepBytes(std::size_t states, std::size_t width) {
  const std::size_t children = states * kInputChoices;
  return (children + std::min(children, width)) * sizeof(Node) +
         children * (kMapEntryBytes + sizeof(int) + sizeof(std::size_t) + 1) +
         std::min(children, width) * (kMapEntryBytes + sizeof(Trail));
}

// Earlier doors first, then fewer key events.
bool Better(const Finish& a, const std::optional<Finish>& b) {
  return !b || a.frames < b->frames || (a.frames == b->frames && a.events < b->events);
}

}  // namespace

std::size_t BeamBytesPerState() { return sizeof(Node) + StepBytes(1, 1); }

std::optional<StageRoute> FindStageRoute(const Game& start, uint8_t heldAtStart,
                                         const SearchOptions& options, SearchStats* stats) {
  SearchStats local;
  SearchStats& st = stats != nullptr ? *stats : local;
  NullHost host;
  const DoorDistance door(start.state);
  const int hopeless = HopelessHeight(start.state);
  const std::vector<int> sinkers = SinkingPlatforms(start.state);
  const int k = options.framesPerStep;

  std::vector<Node> layer(1);
  layer[0].game = start;
  layer[0].held = heldAtStart;
  layer[0].stale = heldAtStart;
  std::vector<std::vector<Trail>> trails{{{-1, 0}}};
  std::size_t trailBytes = sizeof(Trail);
  const auto width = static_cast<std::size_t>(options.beamWidth);

  for (int step = 0; step * k < options.maxFrames && !layer.empty(); ++step) {
    if (options.stop != nullptr && options.stop->load(std::memory_order_relaxed)) {
      st.stop = SearchStop::kInterrupted;
      return std::nullopt;
    }
    if (trailBytes + trails.capacity() * sizeof(trails[0]) + layer.capacity() * sizeof(Node) +
            StepBytes(layer.size(), width) >
        options.maxBytes) {
      st.stop = SearchStop::kMemory;
      return std::nullopt;
    }
    std::vector<Node> next;
    next.reserve(layer.size() * kInputChoices);
    std::unordered_map<uint64_t, std::size_t> index;
    std::optional<Finish> finish;
    for (std::size_t i = 0; i < layer.size(); ++i) {
      for (int choice = 0; choice < kInputChoices; ++choice) {
        Node child = Child(layer[i], static_cast<int32_t>(i), choice, step, k, host);
        int played = 0;
        const FrameResult result = PlayStep(child.game.state, k, host, played);
        st.framesRun += played;
        if (result == FrameResult::kDoor) {
          const Finish candidate{child.parent, child.choice, step * k + played, child.events};
          if (Better(candidate, finish)) finish = candidate;
          continue;
        }
        if (result != FrameResult::kNone || child.game.state.playerY < hopeless) continue;
        const auto [it, inserted] = index.try_emplace(StateKey(child, sinkers), next.size());
        if (inserted) {
          next.push_back(std::move(child));
        } else if (child.events < next[it->second].events) {
          next[it->second] = std::move(child);
        }
      }
    }
    ++st.steps;
    if (finish) {
      ChoicePlan plan{Backtrack(trails, step, *finish), k, heldAtStart};
      if (options.polish) plan = PolishPlan(start, std::move(plan));
      StageRoute route;
      route.frames = PlanDoorFrames(start, plan).value_or(finish->frames);
      route.events = PlanEvents(plan, &route.heldAtDoor);
      return route;
    }
    if (next.size() > static_cast<std::size_t>(options.beamWidth)) {
      next = Prune(next, door, options);
    }
    st.widestStep = std::max(st.widestStep, next.size());
    std::vector<Trail> trail;
    trail.reserve(next.size());
    for (const Node& node : next) trail.push_back({node.parent, node.choice});
    trailBytes += trail.capacity() * sizeof(Trail);
    trails.push_back(std::move(trail));
    layer = std::move(next);
  }
  return std::nullopt;
}

}  // namespace ursa::route
