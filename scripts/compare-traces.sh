#!/usr/bin/env bash
# Plays the same random key scripts through two ursa-sim programs on all fifteen stages and
# fails at the first trace that differs: how a change to the rules' code is shown to keep play.
# Usage: scripts/compare-traces.sh OLD_SIM NEW_SIM [SEEDS [FRAMES]]   (defaults 20 and 20000)
set -euo pipefail
old=${1:?usage: scripts/compare-traces.sh OLD_SIM NEW_SIM [SEEDS [FRAMES]]}
new=${2:?usage: scripts/compare-traces.sh OLD_SIM NEW_SIM [SEEDS [FRAMES]]}
seeds=${3:-20}
frames=${4:-20000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A restless player: Left, Right, Space and Up pressed and released at random, a few frames
# apart, so that every stage sees runs, jumps, landings on platforms, spikes and falls. Each seed
# leans on another key, and every fourth holds the jump key through whole stretches.
random_script() {
  awk -v seed="$1" -v frames="$2" 'BEGIN {
    srand(seed);
    split("Left Right Space Up", keys, " ");
    split("0 0 1 1 2 3 5 8 13 20 40", gaps, " ");
    favourite = seed % 4 + 1;
    for (frame = 0; frame < frames;) {
      frame += gaps[int(rand() * 11) + 1];
      key = rand() < 0.3 ? keys[favourite] : keys[int(rand() * 4) + 1];
      up = seed % 4 == 3 && key == "Space" ? rand() < 0.1 : rand() < 0.35;
      print frame, key, up ? "up" : "down";
    }
  }'
}

compared=0
spikes=0
falls=0
for seed in $(seq 1 "$seeds"); do
  random_script "$seed" "$frames" > "$work/keys.script"
  for stage in $(seq 1 15); do
    "$old" trace --stage "$stage" --frames "$frames" "$work/keys.script" > "$work/old.trace"
    "$new" trace --stage "$stage" --frames "$frames" "$work/keys.script" > "$work/new.trace"
    if ! cmp -s "$work/old.trace" "$work/new.trace"; then
      echo "seed $seed, stage $stage: the traces differ" >&2
      diff "$work/old.trace" "$work/new.trace" | head -5 >&2
      exit 1
    fi
    compared=$((compared + 1))
    spikes=$((spikes + $(grep -c ' spike$' "$work/new.trace" || true)))
    falls=$((falls + $(grep -c ' fall$' "$work/new.trace" || true)))
  done
done
echo "$compared traces of $frames frames alike, with $spikes spike and $falls fall misses"
