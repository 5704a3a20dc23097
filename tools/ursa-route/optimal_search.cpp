// The exhaustive stage search: breadth first over the frames of play, each state expanded by
// every input over the real rules, duplicates dropped, the way back kept in four bytes a state.
#include "tools/ursa-route/optimal_search.hpp"

#include <algorithm>
#include <chrono>
#include <new>
#include <optional>
#include <stdexcept>

#include "game/frame.hpp"
#include "game/key_feed.hpp"
#include "game/null_host.hpp"
#include "game/player_motion.hpp"
#include "game/stage_objects.hpp"
#include "tools/ursa-route/optimal_bound.hpp"
#include "tools/ursa-route/state_tables.hpp"
#include "tools/ursa-route/timed_bound.hpp"

namespace ursa::route {

namespace {

// The fewest states a layer makes room for when it grows.
constexpr std::size_t kSmallestLayer = 1024;

// What of a state can differ between the states the search keeps after one frame, and so
// decides how it plays on:
// - the player's place and speeds, packed in PlayerKey;
// - the sinking platforms that have been landed on, with their height and speed (SunkPool).
// Everything else is the same in all of them or is overwritten before it is read again:
// - the blocks never change, and the moving platforms and the sinking platforms not yet
//   landed on move whatever the player does, so after t frames they stand where they stood in
//   the stage's own time (LayerTime keeps that state);
// - moveInput and jumpKey are the next frame's input, which every choice sets afresh (any
//   value of them is reachable from any other by key events between two frames);
// - onGround is cleared at the start of every frame before anything reads it;
// - animFrame is read by nothing but its own next value and the view;
// - stage, frameCount and the counters change nothing in a frame of play.
struct Node {
  uint64_t player = 0;
  uint32_t sunk = 0;     // SunkPool reference; 0 when no sinking platform has been landed on
  uint16_t changes = 0;  // frames whose input differed from the frame before, on the way kept
  uint8_t last = 0;      // the input of the last frame on that way
};

// The stage's objects after t frames of a player who touched none of them.
class LayerTime {
 public:
  explicit LayerTime(const GameState& start) : state_(start) {}
  const GameState& State() const { return state_; }
  void Advance() {
    // A player far outside the stage, where no object reaches: the pass only moves them.
    GameState far = state_;
    far.playerX = kFarAway;
    far.playerY = kFarAway;
    NullHost host;
    ObjectPass(far, host);
    state_.objX = far.objX;
    state_.objY = far.objY;
    state_.objVel = far.objVel;
    state_.objLimitA = far.objLimitA;
    state_.objLimitB = far.objLimitB;
  }

 private:
  static constexpr int16_t kFarAway = 30000;
  GameState state_;
};

bool HasPlatforms(const GameState& s) {
  return std::any_of(s.objKind.begin(), s.objKind.end(),
                     [](int16_t kind) { return kind == kKindBlock2 || kind == kKindBlock3; });
}

std::vector<int> Sinkers(const GameState& s) {
  std::vector<int> sinkers;
  for (int i = 0; i < kObjectCount; ++i) {
    if (s.objKind[i] == kKindBlock3) sinkers.push_back(i);
  }
  return sinkers;
}

// The door test's zone, read from object 0 as the test reads it. One probe state serves every
// call, as clearing a whole state each time would cost more than the test.
bool AtDoor(const GameState& s, int16_t x, int16_t y) {
  static GameState probe;
  probe.objX[0] = s.objX[0];
  probe.objY[0] = s.objY[0];
  probe.playerX = x;
  probe.playerY = y;
  probe.jumpKey = kJumpPressed;
  return DoorTest(probe);
}

class Search {
 public:
  Search(const GameState& start, const OptimalOptions& options, OptimalStats& stats)
      : options_(options),
        stats_(stats),
        start_(start),
        time_(start_),
        sinkers_(Sinkers(start_)),
        timeless_(!HasPlatforms(start_)) {
    if (!options.reduce) return;
    // Where moving platforms decide when a way opens, the timed bound drops what comes too
    // early or too late for it. The bounds are built only where they fit in the memory.
    const bool sliders = std::any_of(start_.objKind.begin(), start_.objKind.end(),
                                     [](int16_t kind) { return kind == kKindBlock2; });
    const std::size_t bounds = DoorBound::BytesFor(start_, sinkers_.size()) +
                               (sliders ? TimedBound::BytesFor(start_, options.maxFrames) : 0);
    if (bounds > options.maxBytes) {
      stop_ = SearchStop::kMemory;
      return;
    }
    // They are counted at the most they take while they are worked out.
    bound_.emplace(start_, sinkers_);
    if (sliders) timed_.emplace(start_, options.maxFrames);
    boundBytes_ = bounds;
  }

  OptimalRoute Run(const std::function<void(int, std::size_t)>& progress) {
    OptimalRoute route;
    route.lowerBound = bound_ ? std::min(bound_->FramesLeft(start_), options_.maxFrames + 1) : 1;
    route.stop = stop_;
    if (stop_ != SearchStop::kNone) return route;
    try {
      Frames(route, progress);
    } catch (const std::bad_alloc&) {
      // The memory ran out before the search's own count said so: what the frames searched
      // proved stands.
      route.choices.clear();
      route.stop = SearchStop::kMemory;
    }
    return route;
  }

 private:
  // Frame after frame from the start until the door, the end of the frames allowed or a limit.
  void Frames(OptimalRoute& route, const std::function<void(int, std::size_t)>& progress) {
    std::vector<Node> layer{{PlayerKey::Of(start_), 0, 0, Choice(0, false)}};
    trails_.reserve(static_cast<std::size_t>(options_.maxFrames));
    for (int t = 0; t < options_.maxFrames; ++t) {
      next_.clear();
      nextPool_.Clear();
      table_.Clear();
      fewestPromised_ = options_.maxFrames + 1;
      for (std::size_t i = 0; i < layer.size(); ++i) {
        // Time and the request to stop are looked at now and then, the memory before every
        // state: a table that cannot grow within it stops the search.
        if (i % 4096 == 0) {
          if (options_.stop != nullptr && options_.stop->load(std::memory_order_relaxed)) {
            route.stop = SearchStop::kInterrupted;
            return;
          }
          if (Seconds() > options_.maxSeconds) {
            route.stop = SearchStop::kTime;
            return;
          }
        }
        if (!MakeRoom(layer)) {
          route.stop = SearchStop::kMemory;
          return;
        }
        Expand(layer[i], i, t);
      }
      if (door_) {
        route.choices = Backtrack(t);
        route.lowerBound = t + 1;
        return;
      }
      // No route has t + 1 frames or fewer. A longer one passes through a state kept after t + 1
      // frames, or one that plays on alike within maxFrames, or one the bound dropped: it
      // takes at least the frames the bound promises for the states kept, or more than
      // maxFrames.
      route.lowerBound = std::max({route.lowerBound, t + 2, bound_ ? fewestPromised_ : 0});
      stats_.framesSearched = t + 1;
      stats_.statesKept += static_cast<int64_t>(next_.size());
      stats_.widestLayer = std::max(stats_.widestLayer, next_.size());
      if (progress) progress(t + 1, next_.size());
      if (next_.empty()) {
        route.lowerBound = options_.maxFrames + 1;
        return;
      }
      KeepTrail(layer);
      layer.swap(next_);
      pool_.Swap(nextPool_);
      time_.Advance();
    }
  }

  // Makes room for the children of one state in every table the search grows, where the memory
  // allows it: the tables never grow while a state is expanded. A table that grows holds its
  // old and its new storage at once; both are counted.
  bool MakeRoom(const std::vector<Node>& layer) {
    const std::size_t more = kFrameChoices;
    const auto grown = [&](const auto& v) {
      return v.size() + more > v.capacity() ? std::max(2 * v.capacity(), kSmallestLayer)
                                            : v.capacity();
    };
    const auto growth = [&](const auto& v) {
      return grown(v) != v.capacity() ? grown(v) * sizeof(v[0]) : 0;
    };
    const std::size_t bytes = growth(next_) + growth(nextTrail_) + table_.GrowthFor(more) +
                              (timeless_ ? seen_.GrowthFor(more) : 0) +
                              nextPool_.GrowthFor(more, sinkers_.size());
    if (bytes == 0) return true;
    const std::size_t peak = Bytes(layer) + bytes;
    if (peak > options_.maxBytes) return false;
    stats_.peakBytes = std::max(stats_.peakBytes, peak);
    next_.reserve(grown(next_));
    nextTrail_.reserve(grown(nextTrail_));
    table_.MakeRoom(more);
    if (timeless_) seen_.MakeRoom(more);
    nextPool_.MakeRoom(more, sinkers_.size());
    return true;
  }

  // Keeps the way back to the states of the frame just searched; a trail with much room to
  // spare is cut to its size first where the memory allows the copy.
  void KeepTrail(const std::vector<Node>& layer) {
    const std::size_t spare = nextTrail_.capacity() - nextTrail_.size();
    const std::size_t peak = Bytes(layer) + nextTrail_.size() * sizeof(uint32_t);
    if (spare > nextTrail_.size() / 4 && peak <= options_.maxBytes) {
      stats_.peakBytes = std::max(stats_.peakBytes, peak);
      nextTrail_.shrink_to_fit();
    }
    trailBytes_ += nextTrail_.capacity() * sizeof(uint32_t);
    trails_.push_back(std::move(nextTrail_));
    nextTrail_ = {};
  }

  struct Door {
    std::size_t parent;
    uint8_t choice;
    uint16_t changes;
  };

  void Expand(const Node& node, std::size_t index, int t) {
    GameState base = time_.State();
    PlayerKey::Put(node.player, base);
    pool_.Apply(node.sunk, base);
    NullHost host;
    for (int direction = -1; direction <= 1; ++direction) {
      GameState child = base;
      child.moveInput = static_cast<int16_t>(direction);
      child.jumpKey = kJumpReleased;
      const FrameResult result = RunFrame(child, host);
      ++stats_.framesRun;
      // A spike stops the frame in the object pass, before the input is read: every choice
      // meets it.
      if (result == FrameResult::kSpike) return;
      Keep(child, result, Choice(direction, false), node, index, t);
      // The jump key changes the frame only where the player can jump (on the ground) or is in
      // the door's zone when the door is tested; elsewhere pressing it plays out the same.
      const int16_t doorY = Wrap16(child.playerY - child.velY);
      if (child.onGround == 1 || AtDoor(child, child.playerX, doorY)) {
        GameState jumper = base;
        jumper.moveInput = static_cast<int16_t>(direction);
        jumper.jumpKey = kJumpPressed;
        const FrameResult jumped = RunFrame(jumper, host);
        ++stats_.framesRun;
        Keep(jumper, jumped, Choice(direction, true), node, index, t);
      }
    }
  }

  // Of two ways to the same state in the same frame the one with fewer changes of input is kept,
  // so that a route is played with few key events.
  void Keep(const GameState& child, FrameResult result, uint8_t choice, const Node& from,
            std::size_t parent, int t) {
    const auto changes = static_cast<uint16_t>(from.changes + (choice != from.last ? 1 : 0));
    if (result == FrameResult::kDoor) {
      if (!door_ || changes < door_->changes) door_ = Door{parent, choice, changes};
      return;
    }
    if (result != FrameResult::kNone) return;  // a fall
    const int frames = t + 1;
    if (bound_) {
      const int promised = frames + bound_->FramesLeft(child);
      if (promised > options_.maxFrames || (timed_ && !timed_->InTime(child, frames))) return;
      fewestPromised_ = std::min(fewestPromised_, promised);
    }
    const uint64_t player = PlayerKey::Of(child);
    if (timeless_ && seen_.FindOrAdd(player, frames) != frames) return;
    // A landed-on platform that no route within maxFrames can come back to is forgotten: the
    // states that differ only in it play on alike as far as the search looks, as the bound
    // holds whatever the platform does. The bound only grows along a route, so it stays
    // forgotten.
    const auto unreachable = [&](std::size_t k) {
      return frames + bound_->FramesLeftTouching(k, child) > options_.maxFrames;
    };
    const Node node{player,
                    nextPool_.Intern(child, sinkers_, options_.reduce,
                                     bound_ ? std::function<bool(std::size_t)>(unreachable)
                                            : std::function<bool(std::size_t)>()),
                    changes, choice};
    const auto id = static_cast<uint32_t>(next_.size());
    const uint32_t found = table_.FindOrAdd(Hash(node), id, [&](uint32_t other) {
      return next_[other].player == node.player && next_[other].sunk == node.sunk;
    });
    const uint32_t trail = static_cast<uint32_t>(parent) << 3U | choice;
    if (found == id) {
      next_.push_back(node);
      nextTrail_.push_back(trail);
    } else if (changes < next_[found].changes) {
      next_[found] = node;
      nextTrail_[found] = trail;
    }
  }

  double Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
  }

  // What the search holds: its bounds, every table and the trails back to the start.
  std::size_t Bytes(const std::vector<Node>& layer) const {
    return boundBytes_ + trailBytes_ + trails_.capacity() * sizeof(trails_[0]) +
           (layer.capacity() + next_.capacity()) * sizeof(Node) +
           nextTrail_.capacity() * sizeof(uint32_t) + table_.Bytes() + seen_.Bytes() +
           pool_.Bytes() + nextPool_.Bytes();
  }

  static uint64_t Hash(const Node& node) {
    return MixHash(node.player * 0x9e3779b97f4a7c15ULL + node.sunk);
  }

  // The choices of every frame up to the door frame t, read back through the trails.
  std::vector<uint8_t> Backtrack(int t) const {
    std::vector<uint8_t> choices(static_cast<std::size_t>(t) + 1);
    choices[t] = door_->choice;
    std::size_t at = door_->parent;
    for (int frame = t - 1; frame >= 0; --frame) {
      const uint32_t trail = trails_[frame][at];
      choices[frame] = static_cast<uint8_t>(trail & 7U);
      at = trail >> 3U;
    }
    return choices;
  }

  const OptimalOptions& options_;
  OptimalStats& stats_;
  std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
  GameState start_;
  LayerTime time_;
  std::vector<int> sinkers_;
  bool timeless_;  // nothing moves: a state met again later is no better than the first time
  std::optional<DoorBound> bound_;
  std::optional<TimedBound> timed_;
  std::size_t boundBytes_ = 0;
  SearchStop stop_ = SearchStop::kNone;  // set when the bounds do not fit in the memory

  std::vector<Node> next_;
  std::vector<uint32_t> nextTrail_;
  // trails_[t][i]: for state i after t + 1 frames, the state after t frames it came from and
  // the choice that led there (parent index << 3 | choice).
  std::vector<std::vector<uint32_t>> trails_;
  std::size_t trailBytes_ = 0;
  SunkPool pool_;
  SunkPool nextPool_;
  IdTable table_;
  KeySet seen_;
  std::optional<Door> door_;
  int fewestPromised_ = 0;  // of the states kept for the next frame, the fewest frames promised
};

}  // namespace

OptimalRoute FindOptimalRoute(const GameState& start, const OptimalOptions& options,
                              OptimalStats* stats,
                              const std::function<void(int, std::size_t)>& progress) {
  OptimalStats local;
  Search search(start, options, stats != nullptr ? *stats : local);
  return search.Run(progress);
}

std::vector<ScriptEvent> ChoiceEvents(const GameState& start, const std::vector<uint8_t>& choices) {
  Game game;
  game.state = start;
  game.screen = Screen::kPlaying;
  NullHost host;
  std::vector<ScriptEvent> events;
  const auto send = [&](uint64_t frame, int key, bool down) {
    events.push_back({frame, key, down});
    DeliverKey(game, host, events.back());
  };
  for (std::size_t frame = 0; frame < choices.size(); ++frame) {
    const GameState& s = game.state;
    const int direction = ChoiceDirection(choices[frame]);
    if (s.moveInput != direction) {
      if (s.moveInput != 0) send(frame, s.moveInput < 0 ? kKeyLeft : kKeyRight, false);
      if (direction != 0) send(frame, direction < 0 ? kKeyLeft : kKeyRight, true);
    }
    const bool jump = ChoiceJump(choices[frame]);
    if (jump && s.jumpKey != kJumpPressed) {
      if (s.jumpKey == kJumpUsed) send(frame, kKeySpace, false);
      send(frame, kKeySpace, true);
    } else if (!jump && s.jumpKey == kJumpPressed) {
      send(frame, kKeySpace, false);
    }
    if (RunFrame(game.state, host) != FrameResult::kNone) break;
  }
  return events;
}

}  // namespace ursa::route
