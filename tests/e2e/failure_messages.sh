#!/usr/bin/env bash
# The real executable meets a missing mesh, a broken mesh, no display (a bad one, or no
# desktop at all) and no OpenGL library: each time one clear message on stderr naming what is
# wrong, exit status 1, and no crash.
set -uo pipefail
game_dir=$(dirname "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect NAME PATTERN... : runs the game copy in $work/game, with the `env` arguments in
# game_env, under the command in game_wrap, and checks its exit and message.
game_env=()
game_wrap=()
expect() {
  local name=$1 status
  shift
  timeout 30 "${game_wrap[@]}" env "${game_env[@]}" "$work/game/ursa" >"$work/out" 2>"$work/err" </dev/null
  status=$?
  if [ "$status" -ne 1 ]; then
    echo "FAIL $name: exit status $status, expected 1"; cat "$work/err"; failures=$((failures + 1)); return
  fi
  for pattern in "$@"; do
    if ! grep -q -- "$pattern" "$work/err"; then
      echo "FAIL $name: no '$pattern' in:"; cat "$work/err"; failures=$((failures + 1)); return
    fi
  done
  echo "ok   $name: $(grep -m 1 "^ursa:" "$work/err")"
}

fresh_copy() {
  rm -rf "$work/game" && mkdir "$work/game"
  cp "$game_dir/ursa" "$game_dir/ursa-xparse" "$game_dir"/*.x "$game_dir"/icon.bmp "$work/game/"
}

export SDL_VIDEODRIVER=offscreen
fresh_copy && rm "$work/game/bear.x"
expect "missing mesh" "bear.x" "file not found" "beside the program"

fresh_copy && printf 'xof 0303txt 0032\nMesh { 3; garbage' >"$work/game/block.x"
expect "broken mesh" "block.x" "beside the program"

fresh_copy && head -c 100000 /dev/urandom >"$work/game/door.x"
expect "random bytes for a mesh" "door.x"

fresh_copy
SDL_VIDEODRIVER=x11 DISPLAY=:9999 expect "no display" "display"

# No desktop at all: SDL would fall back to a driver that shows nothing, and the game would
# wait unseen at its title forever.
game_env=(-u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER)
expect "no desktop" "no display" "DISPLAY unset" "set DISPLAY"
game_env=(-u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=:9999)
expect "a desktop that does not answer" "no display" "DISPLAY=:9999"
game_env=()

# No OpenGL library: libEGL.so.1, which SDL opens for the offscreen driver, is an empty file
# in a mount namespace of the game's own. The message names it and the package that has it.
egl=$(readlink -f "$(ldconfig -p | awk '$1 == "libEGL.so.1" { print $NF; exit }')")
if unshare -m true 2>/dev/null; then
  game_wrap=(unshare -m sh -c 'mount --bind /dev/null "$0" && exec "$@"' "$egl")
  expect "no OpenGL library" "OpenGL 3.3 not available" "libEGL.so.1 cannot be loaded" "install libegl1"
  game_wrap=()
else
  echo "skip no OpenGL library: no mount namespace here (needs root)"
fi

[ "$failures" -eq 0 ] && echo "failure messages: all clear" || exit 1
