#!/usr/bin/env bash
# The real executable in real X windows under Xvfb, played with real key presses (xdotool).
# On a bare X server: the title comes up, Enter starts stage 1, Esc returns to the title and a
# second Esc quits. Under a window manager (jwm) on a 1280 x 960 screen: F11 leaves full screen
# for a framed window that fits the screen and can be resized, the size it is given outlasts
# full screen, and a hang-up ends the game, the size remembered.
set -euo pipefail
game=$1
test_name="xvfb smoke"
source "$(dirname "$0")/xvfb_lib.sh"

# --- A bare X server ---
start_x 1280x960
"$game" >"$work/game.log" 2>&1 &
pid=$!
xdotool search --sync --onlyvisible --name '^Ursa$' >/dev/null

# The brightness of a screen pixel, 0 (black) to 765 (white).
pixel() {
  import -window root "$work/shot.png"
  convert "$work/shot.png" -format "%[fx:int(255*(p{$1,$2}.r+p{$1,$2}.g+p{$1,$2}.b))]" info:
}
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

# --- A window manager, on a screen whose usable height is a multiple of 480 ---
start_x 1280x960
start_wm
"$game" >"$work/game.log" 2>&1 &
pid=$!
# The window is made hidden and shown once the meshes are read: from the moment it exists,
# every frame the window manager draws around it and every state it takes is written down.
for _ in $(seq 500); do
  win=$(xdotool search --name '^Ursa$' 2>/dev/null | head -n 1) && [ -n "$win" ] && break
  sleep 0.01
done
[ -n "$win" ] || fail "the game made no window"
xprop -spy -id "$win" _NET_WM_STATE _NET_FRAME_EXTENTS >"$work/states" 2>&1 &
helpers+=($!)
xdotool search --sync --onlyvisible --name '^Ursa$' >/dev/null

# Starting full screen, the first thing shown is the full screen: no framed window before it.
for _ in $(seq 40); do grep -q _NET_WM_STATE_FULLSCREEN "$work/states" && break; sleep 0.25; done
framed=$(sed '/_NET_WM_STATE_FULLSCREEN/q' "$work/states" | grep -v '= 0, 0, 0, 0' |
  grep '_NET_FRAME_EXTENTS(CARDINAL)' || true)
[ -z "$framed" ] || fail "a framed window came before the full screen: $(cat "$work/states")"
echo "xvfb smoke: starting full screen showed no window before the full screen"

# Sets x, y (the window's inside), w, h and its frame's left, right, top and bottom.
measure() {
  eval "$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {print "x=" $4}
    /Absolute upper-left Y/ {print "y=" $4} /Width:/ {print "w=" $2} /Height:/ {print "h=" $2}')"
  IFS=', ' read -r left right top bottom < <(xprop -id "$win" _NET_FRAME_EXTENTS |
    sed -n 's/.* = //p') || true
  left=${left:-0} right=${right:-0} top=${top:-0} bottom=${bottom:-0}
}
# Framed, frame and all inside the screen, at the largest whole multiple of 640 x 480 that fits.
window_fits() {
  measure
  [ $((left + right + top + bottom)) -gt 0 ] || return 1
  [ $((w % 640)) -eq 0 ] && [ $((w * 3)) -eq $((h * 4)) ] || return 1
  [ $((x - left)) -ge 0 ] && [ $((y - top)) -ge 0 ] || return 1
  [ $((x + w + right)) -le 1280 ] && [ $((y + h + bottom)) -le 960 ] || return 1
  [ $((w + 640 + left + right)) -gt 1280 ] || [ $((h + 480 + top + bottom)) -gt 960 ]
}
describe() { echo "inside ${w}x${h} at $x,$y; frame left $left right $right top $top bottom $bottom"; }

# F11 once the window manager has finished making the window full screen, as a player sees it.
for _ in $(seq 40); do measure; [ "$w" -eq 1280 ] && [ "$h" -eq 960 ] && break; sleep 0.25; done
[ "$w" -eq 1280 ] && [ "$h" -eq 960 ] || fail "starting full screen did not cover the screen: $(describe)"
xdotool key F11
# The window manager moves the window a few times on the way: two looks alike in a row count.
fits=no last=""
for _ in $(seq 40); do
  if window_fits; then
    [ "$(describe)" = "$last" ] && fits=yes && break
    last=$(describe)
  fi
  sleep 0.25
done
[ $fits = yes ] || fail "after F11 the window does not fit the 1280 x 960 screen: $(describe)"
echo "xvfb smoke: F11 gave a window that fits the screen ($(describe))"

xdotool windowsize "$win" 800 600
# wait_size WxH: waits up to 10 s for the window's inside to be that size.
wait_size() {
  for _ in $(seq 40); do measure && [ "${w}x${h}" = "$1" ] && return 0; sleep 0.25; done
  return 1
}
wait_size 800x600 || fail "the window could not be resized to 800 x 600: $(describe)"

# Full screen and back: the window keeps the size the player gave it.
xdotool key F11
wait_size 1280x960 || fail "F11 did not go full screen: $(describe)"
xdotool key F11
wait_size 800x600 || fail "after full screen the window came back at ${w}x${h}, not 800x600"
echo "xvfb smoke: the resized window came back from full screen at its size"
xdotool key F11
wait_size 1280x960 || fail "F11 did not go full screen: $(describe)"

# The terminal closes: the game ends as when its window is closed.
kill -HUP "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "a hang-up did not end the game"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "a hang-up ended the game with status $status instead of a quit"
grep -qx "window_size = 800x600" "$XDG_CONFIG_HOME/ursa/ursa.ini" ||
  fail "quitting in full screen did not keep the window's size: $(cat "$XDG_CONFIG_HOME/ursa/ursa.ini")"
echo "xvfb smoke: a hang-up ended the game as a quit does, and the window's size was kept"
