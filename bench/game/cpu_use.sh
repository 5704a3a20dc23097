#!/usr/bin/env bash
# CPU use of the real game over 10 s of play in a real X window under Xvfb: the process's
# user + system time (all threads, llvmpipe's included) divided by the wall time.
# Usage: bench/game/cpu_use.sh build/app/ursa [seconds]   (URSA_BENCH_DISPLAY=:N names the X
# display to start, else one is picked)
set -euo pipefail
game=$1
seconds=${2:-10}
display=${URSA_BENCH_DISPLAY:-":$((500 + $$ % 400))"}
Xvfb "$display" -screen 0 1280x960x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; kill "${pid:-}" 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$game" >/dev/null 2>&1 &
pid=$!
xdotool search --sync --onlyvisible --name '^Ursa$' >/dev/null
sleep 1

# utime + stime of the whole process, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
measure() {
  local label=$1 before after
  before=$(cpu_ticks)
  sleep "$seconds"
  after=$(cpu_ticks)
  awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" -v l="$label" \
    'BEGIN { printf "%-28s %5.1f %% of one core\n", l, 100 * t / hz / s }'
}

measure "title screen (idle)"
xdotool key Return
sleep 1
xdotool keydown Left
measure "playing stage 1"
xdotool keyup Left
xdotool key Escape
sleep 0.5
xdotool key Escape
