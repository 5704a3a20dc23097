#!/usr/bin/env bash
# GL calls per picture of bench-game's paced play and of the same-work floor, each in a 640 x 480
# window under Xvfb with llvmpipe, counted by a build that force-includes bench/game/gl_calls.hpp
# (configured and built here, bench targets only).
# Usage: bench/game/gl_calls.sh [COUNTING_BUILD_DIR]   (default build-glcalls beside the sources;
# URSA_BENCH_DISPLAY=:N names the X display to start, else one is picked)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-$root/build-glcalls}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON \
  "-DCMAKE_CXX_FLAGS=-include $root/bench/game/gl_calls.hpp" >/dev/null
cmake --build "$build" -j2 --target bench-game bench-floor-same-work >/dev/null
export LP_NUM_THREADS=2
source "$root/bench/game/bench_lib.sh"
start_x 800x600x24
echo "== game, paced play"
URSA_BENCH_FULLSCREEN=0 "$build/bench/game/bench-game" \
  --benchmark_filter='BM_PacedPlay/seconds:10/stand:0/' 2>&1 >/dev/null | grep gl_calls
echo "== same-work floor"
"$build/bench/game/bench-floor-same-work" --seconds 10 2>&1 >/dev/null | grep gl_calls
stop_x
