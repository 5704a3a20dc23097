// The par table. Each row comes from `scripts/prove-pars.sh`, which runs ursa-route --optimal
// and writes the route to tools/ursa-route/pars/stageN.script; a test replays every route.
#include "game/par_times.hpp"

#include <numeric>
#include <stdexcept>

namespace ursa {

namespace {

// stage, frames, lowerBound
constexpr std::array<StagePar, kParStages> kPars = {{
    {1, 124, 124},
    {2, 324, 324},
    {3, 122, 122},
    {4, 172, 172},
    {5, 157, 157},
    {6, 129, 129},
    {7, 470, 470},
    {8, 230, 230},
    {9, 256, 256},
    {10, 705, 705},
    {11, 107, 107},
    {12, 186, 186},
    {13, 202, 202},
    {14, 180, 180},
    {15, 47, 47},
}};

}  // namespace

const std::array<StagePar, kParStages>& StagePars() { return kPars; }

const StagePar& ParOf(int stage) {
  if (stage < kFirstStage || stage > kLastStage) throw std::out_of_range("no such stage");
  return kPars[static_cast<std::size_t>(stage - kFirstStage)];
}

int32_t ParTotalFrames() {
  return std::accumulate(kPars.begin(), kPars.end(), int32_t{0},
                         [](int32_t sum, const StagePar& par) { return sum + par.frames; });
}

}  // namespace ursa
