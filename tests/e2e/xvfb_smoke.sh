#!/usr/bin/env bash
# The real executable in a real X window under Xvfb, played with real key presses (xdotool):
# the title comes up, Enter starts stage 1, Esc returns to the title and a second Esc quits.
set -euo pipefail
game=$1
work=$(mktemp -d)
display=":$((100 + $$ % 400))"

Xvfb "$display" -screen 0 1280x960x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$game" >"$work/game.log" 2>&1 &
pid=$!
xdotool search --sync --onlyvisible --name '^Ursa$' >/dev/null

# The brightness of a screen pixel, 0 (black) to 765 (white).
pixel() {
  import -window root "$work/shot.png"
  convert "$work/shot.png" -format "%[fx:int(255*(p{$1,$2}.r+p{$1,$2}.g+p{$1,$2}.b))]" info:
}
fail() { echo "xvfb smoke: $*"; cat "$work/game.log"; exit 1; }
# The full screen shows the 640 x 480 window enlarged by 2: the picture box's left margin
# (window x 0-119, y 115-414) is black during play and part of the title picture otherwise.
margin_x=40 margin_y=600

# Waits up to 10 s for the margin to turn black (play) or not (a screen picture).
wait_for() {
  for _ in $(seq 40); do
    local value
    value=$(pixel $margin_x $margin_y)
    if [ "$1" = play ] && [ "$value" -eq 0 ]; then return 0; fi
    if [ "$1" = picture ] && [ "$value" -gt 0 ]; then return 0; fi
    sleep 0.25
  done
  return 1
}

wait_for picture || fail "no title picture after start-up"
xdotool key Return
wait_for play || fail "Enter did not start play"
import -window root "${URSA_SMOKE_SHOT:-$work/play.png}"
xdotool key Escape
wait_for picture || fail "Esc did not return to the title"
xdotool key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Esc on the title did not quit"
wait "$pid" || fail "the game exited with status $?"
echo "xvfb smoke: title, play, title and quit all came as keys were pressed"
