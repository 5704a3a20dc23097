#!/usr/bin/env bash
# The real executable meets a missing mesh, a broken mesh, a --data-dir that is no folder or
# holds no meshes, no display (a bad one, or no desktop at all) and no OpenGL library: each
# time one clear message on stderr naming what is wrong, exit status 1 (2 for the command
# line), and no crash; a --record file is left as it was.
set -uo pipefail
game_dir=$(dirname "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect NAME PATTERN... : runs the game copy in $work/game, with the `env` arguments in
# game_env and the options in game_args, under the command in game_wrap, and checks that it
# exits with want_status and that its message, the first line on stderr, is the game's own.
game_env=()
game_args=()
game_wrap=()
want_status=1
expect() {
  local name=$1 status
  shift
  timeout 30 "${game_wrap[@]}" env "${game_env[@]}" "$work/game/ursa" "${game_args[@]}" >"$work/out" 2>"$work/err" </dev/null
  status=$?
  if [ "$status" -ne "$want_status" ]; then
    echo "FAIL $name: exit status $status, expected $want_status"; cat "$work/err"; failures=$((failures + 1)); return
  fi
  if ! head -n 1 "$work/err" | grep -q "^ursa: "; then
    echo "FAIL $name: something else spoke first:"; cat "$work/err"; failures=$((failures + 1)); return
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
echo "0 Enter down" >"$work/kept.keys"
game_args=(--record "$work/kept.keys")
expect "missing mesh" "bear.x" "file not found" "beside the program"
game_args=()
if [ "$(cat "$work/kept.keys")" != "0 Enter down" ]; then
  echo "FAIL missing mesh: the recording it was to replace became:"; cat "$work/kept.keys"
  failures=$((failures + 1))
fi

fresh_copy && printf 'xof 0303txt 0032\nMesh { 3; garbage' >"$work/game/block.x"
expect "broken mesh" "block.x" "beside the program"

fresh_copy && head -c 100000 /dev/urandom >"$work/game/door.x"
expect "random bytes for a mesh" "door.x"

# A folder named with --data-dir is the one used, even with meshes beside the program.
fresh_copy
game_args=(--data-dir "$work/nowhere")
want_status=2
expect "--data-dir that does not exist" "$work/nowhere" "--data-dir"
mkdir "$work/empty"
game_args=(--data-dir "$work/empty")
want_status=1
expect "--data-dir without meshes" "$work/empty" "bear.x"
game_args=()

SDL_VIDEODRIVER=x11 DISPLAY=:9999 expect "no display" "display"

# No desktop at all: SDL would fall back to a driver that shows nothing, and the game would
# wait unseen at its title forever. Nothing but the game's message reaches the terminal, even
# without the session folder a Wayland desktop would name.
game_env=(-u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u XDG_RUNTIME_DIR)
expect "no desktop" "no display" "DISPLAY unset" "set DISPLAY"
game_env=(-u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u XDG_RUNTIME_DIR DISPLAY=:9999)
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
