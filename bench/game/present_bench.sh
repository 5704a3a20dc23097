#!/usr/bin/env bash
# The presenting benchmarks: the real game (bench-game's paced play, the real window, clock and
# renderer) beside bench-floor (the same rules and scene drawn straight into a window), run one
# after the other in each round so the machine's load falls on both alike. Prints each figure
# and the game's CPU per frame as a ratio to the floor's.
#   640 x 480 window, playing stage 1     CPU per frame, % of a core, ratio
#   standing still in stage 1             % of a core
#   1920 x 1080 full screen, 20 s         frames/s held, CPU per frame, ratio
#   smooth pictures, 60 a second          time between pictures (median, p1, p99), CPU
#   1000 stage restarts                   resident set after 20 and after 1000
# Usage: bench/game/present_bench.sh BUILD_DIR [rounds]   (needs Xvfb and xdpyinfo)
set -euo pipefail
build=$1
rounds=${2:-2}
game=$build/bench/game/bench-game
floor=$build/bench/game/bench-floor
source "$(dirname "${BASH_SOURCE[0]}")/bench_lib.sh"

play() {  # seconds stand [env...]
  local seconds=$1 stand=$2
  shift 2
  env "$@" "$game" --benchmark_filter="BM_PacedPlay/seconds:$seconds/stand:$stand/" 2>/dev/null
}

echo "== 640 x 480 window, playing stage 1 (10 s each)"
start_x 800x600x24
for round in $(seq "$rounds"); do
  f=$("$floor" --seconds 10)
  g=$(play 10 0)
  fms=$(counter cpu_ms_per_frame <<<"$f")
  gms=$(counter cpu_ms_per_frame <<<"$g")
  printf 'round %d: floor %s ms/frame (%s %% of a core), game %s ms/frame (%s %% of a core, %s frames/s): %sx the floor\n' \
    "$round" "$fms" "$(counter cpu_percent <<<"$f")" "$gms" "$(counter cpu_percent <<<"$g")" \
    "$(counter fps <<<"$g")" "$(ratio "$gms" "$fms")"
done

echo "== standing still in stage 1, 640 x 480 window (10 s each)"
for round in $(seq "$rounds"); do
  f=$("$floor" --seconds 10 --stand)
  g=$(play 10 1)
  printf 'round %d: game %s %% of a core (floor, which draws every tick: %s %%)\n' "$round" \
    "$(counter cpu_percent <<<"$g")" "$(counter cpu_percent <<<"$f")"
done

echo "== 1920 x 1080 full screen, playing stage 1 (20 s each)"
start_x 1920x1080x24
for round in $(seq "$rounds"); do
  f=$("$floor" --seconds 20 --fullscreen)
  g=$(play 20 0 URSA_BENCH_FULLSCREEN=1)
  fms=$(counter cpu_ms_per_frame <<<"$f")
  gms=$(counter cpu_ms_per_frame <<<"$g")
  printf 'round %d: floor %s frames/s %s ms/frame, game %s frames/s %s ms/frame (p99 interval %s ms): %sx the floor\n' \
    "$round" "$(counter fps <<<"$f")" "$fms" "$(counter fps <<<"$g")" "$gms" \
    "$(counter p99_ms <<<"$g")" "$(ratio "$gms" "$fms")"
done
stop_x

echo "== smooth pictures at 60 a second, playing stage 1 in a 640 x 480 window (10 s each)"
start_x 800x600x24
for round in $(seq "$rounds"); do
  g=$("$game" --benchmark_filter=BM_SmoothPlay 2>/dev/null)
  printf 'round %d: %s pictures/s, interval median %s ms, p1 %s ms, p99 %s ms, %s %% within 1 ms of %s ms; %s %% of a core\n' \
    "$round" "$(counter pictures_per_s <<<"$g")" "$(counter median_ms <<<"$g")" \
    "$(counter p1_ms <<<"$g")" "$(counter p99_ms <<<"$g")" "$(counter within_1ms_percent <<<"$g")" \
    "$(counter screen_ms <<<"$g")" "$(counter cpu_percent <<<"$g")"
done
stop_x

echo "== 1000 restarts of stage 1 (offscreen)"
r=$(SDL_VIDEODRIVER=offscreen "$game" --benchmark_filter=BM_RestartMemory 2>/dev/null)
printf 'resident set after 20 starts %s MB, after 1000 %s MB (growth %s MB)\n' \
  "$(counter rss_mb_after_20 <<<"$r")" "$(counter rss_mb_after_1000 <<<"$r")" \
  "$(counter growth_mb <<<"$r")"
