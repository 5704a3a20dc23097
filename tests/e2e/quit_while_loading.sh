#!/usr/bin/env bash
# A quit (SIGTERM) while the game is still reading its meshes ends it at once and cleanly,
# even when the mesh parser hangs: a stand-in ursa-xparse beside a copy of the game never
# answers, so only the quit can end the start-up before the parser's time limit.
# Usage: quit_while_loading.sh PATH_TO_URSA
set -uo pipefail
game_dir=$(dirname "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$game_dir/ursa" "$game_dir"/*.x "$game_dir"/icon.bmp "$work/"
printf '#!/bin/sh\nexec sleep 600\n' >"$work/ursa-xparse"
chmod +x "$work/ursa-xparse"

SDL_VIDEODRIVER=offscreen timeout 25 "$work/ursa" --windowed >"$work/out" 2>"$work/err" </dev/null &
pid=$!
sleep 2
pkill -TERM -f "^$work/ursa --windowed" || true
wait "$pid"
status=$?
if [ "$status" -ne 0 ]; then
  echo "FAIL quit while loading: exit status $status (124: still waiting for the parser)"
  cat "$work/err"
  exit 1
fi
echo "quit while loading: ended with status 0"
