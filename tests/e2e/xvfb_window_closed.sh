#!/usr/bin/env bash
# The game's window destroyed by another X client (xdotool windowclose) under Xvfb and jwm:
# at the title in full screen, and during play in a window the player resized; and the game's
# connection killed (xdotool windowkill). Each time the game ends as when the player closes the
# window: exit status 0, no X error, the size the player gave the window kept, and a recording
# ended as a close ends it (ursa-sim, the second argument, plays it back to the title).
set -euo pipefail
game=$1
sim=$2
test_name="window closed from outside"
source "$(dirname "$0")/xvfb_lib.sh"

start_x 1280x960
start_wm

# close_from_outside WHAT [HOW]: destroys the game's window (HOW: windowclose) or kills its
# connection (windowkill), then expects the game to end cleanly.
close_from_outside() {
  xdotool "${2:-windowclose}" "$win"
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "$1: the game went on without its window"
  status=0
  wait "$pid" || status=$?
  pid=
  [ "$status" -eq 0 ] || fail "$1: the game ended with status $status"
  if grep -q "X Error" "$work/game.log"; then fail "$1: an X error was printed"; fi
  echo "$test_name: $1: the game ended as closed, status 0"
}

"$game" >"$work/game.log" 2>&1 &
pid=$!
win=$(xdotool search --sync --onlyvisible --name '^Ursa$' | head -n 1)
sleep 1
close_from_outside "at the title in full screen"

# in_play_resized W H: the game in a window the player resized to W x H, in play.
in_play_resized() {
  "$game" --windowed >"$work/game.log" 2>&1 &
  pid=$!
  win=$(xdotool search --sync --onlyvisible --name '^Ursa$' | head -n 1)
  xdotool windowsize "$win" "$1" "$2"
  for _ in $(seq 40); do
    xwininfo -id "$win" | grep -q "Width: $1" && break
    sleep 0.25
  done
  xdotool key Return
  sleep 2
}
# size_kept WxH: the settings remember the window at that size.
size_kept() {
  grep -qx "window_size = $1" "$XDG_CONFIG_HOME/ursa/ursa.ini" ||
    fail "the window's size was not kept: $(cat "$XDG_CONFIG_HOME/ursa/ursa.ini" 2>&1)"
  echo "$test_name: the settings were saved"
}

in_play_resized 1000 500
close_from_outside "during play in a resized window"
size_kept 1000x500

in_play_resized 900 450
close_from_outside "its connection killed during play" windowkill
size_kept 900x450

# Recording, with Right held in play: the recording keeps the stage in play and ends as a close
# ends it, Right let go and Esc pressed.
"$game" --windowed --record "$work/run.keys" >"$work/game.log" 2>&1 &
pid=$!
win=$(xdotool search --sync --onlyvisible --name '^Ursa$' | head -n 1)
xdotool key Return
sleep 2
xdotool keydown Right
sleep 1
close_from_outside "its connection killed while recording, Right held" windowkill
xdotool keyup Right
ended=$(tail -n 2 "$work/run.keys" | cut -d' ' -f2-)
[ "$ended" = $'Right up\nEsc down' ] || fail "the recording does not end as a close: $(cat "$work/run.keys")"
"$sim" play "$work/run.keys" | grep -q '^end title ' ||
  fail "the recording does not play back to the title: $("$sim" play "$work/run.keys" 2>&1)"
echo "$test_name: the recording ended as a close ends it"
