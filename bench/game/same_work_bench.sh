#!/usr/bin/env bash
# The game's presenting beside its two floors under Xvfb, llvmpipe on two threads: bench-floor
# (the 3D view drawn straight into the window), bench-floor-same-work (the game's presenting work
# done the simplest way) and the game (bench-game's paced play), playing stage 1, one after the
# other in each round (the order turning round by round) so the machine's load falls on all alike.
# Prints each one's CPU per frame (the whole process, and its main thread, which runs the rules
# and makes every GL call) per round, the medians, and the ratios game / same-work and
# same-work / plain, in a 640 x 480 window and at 1920 x 1080 full screen.
# Usage: bench/game/same_work_bench.sh BUILD_DIR [rounds] [seconds]   (needs Xvfb and xdpyinfo;
# URSA_BENCH_DISPLAY=:N names the X display to start, else one is picked)
set -euo pipefail
build=$1
rounds=${2:-5}
seconds=${3:-10}
game=$build/bench/game/bench-game
plain=$build/bench/game/bench-floor
same=$build/bench/game/bench-floor-same-work
export LP_NUM_THREADS=2
source "$(dirname "${BASH_SOURCE[0]}")/bench_lib.sh"
median() {
  tr ' ' '\n' | grep . | sort -g |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# run WHICH FULLSCREEN: one run's CPU ms per frame, its main thread's, and frames per second.
run() {
  local out flag=()
  [[ $2 == 1 ]] && flag=(--fullscreen)
  case $1 in
    plain) out=$("$plain" --seconds "$seconds" "${flag[@]}") ;;
    same) out=$("$same" --seconds "$seconds" "${flag[@]}") ;;
    game)
      out=$(URSA_BENCH_FULLSCREEN=$2 "$game" \
        --benchmark_filter="BM_PacedPlay/seconds:$seconds/stand:0/" 2>/dev/null)
      ;;
  esac
  echo "$(counter cpu_ms_per_frame <<<"$out") $(counter main_ms_per_frame <<<"$out")" \
    "$(counter fps <<<"$out")"
}

# series SCREEN FULLSCREEN TITLE
series() {
  local kinds=(plain same game) round i kind ms main fps
  local -A said=() cost=() costs=() mains=()
  start_x "$1"
  echo "== $3, playing stage 1 ($seconds s each, $rounds rounds; CPU ms/frame, main thread's in brackets)"
  for round in $(seq "$rounds"); do
    for i in 0 1 2; do
      kind=${kinds[$(((i + round - 1) % 3))]}
      read -r ms main fps < <(run "$kind" "$2")
      said[$kind]="$ms ($main) at $fps frames/s"
      cost[$kind]=$ms
      costs[$kind]+=" $ms"
      mains[$kind]+=" $main"
    done
    printf 'round %d: plain %s, same-work %s, game %s: game/same-work %s, same-work/plain %s\n' \
      "$round" "${said[plain]}" "${said[same]}" "${said[game]}" \
      "$(ratio "${cost[game]}" "${cost[same]}")" "$(ratio "${cost[same]}" "${cost[plain]}")"
  done
  summary "whole process" "${costs[plain]}" "${costs[same]}" "${costs[game]}"
  summary "main thread" "${mains[plain]}" "${mains[same]}" "${mains[game]}"
  stop_x
}

# summary WHAT PLAIN SAME GAME: the medians of the rounds' figures and their ratios.
summary() {
  local p s g
  p=$(median <<<"$2")
  s=$(median <<<"$3")
  g=$(median <<<"$4")
  printf 'median %s CPU ms/frame: plain %s, same-work %s, game %s; ' "$1" "$p" "$s" "$g"
  printf 'game/same-work %s, same-work/plain %s, game/plain %s\n' \
    "$(ratio "$g" "$s")" "$(ratio "$s" "$p")" "$(ratio "$g" "$p")"
}

series 800x600x24 0 "640 x 480 window"
series 1920x1080x24 1 "1920 x 1080 full screen"
