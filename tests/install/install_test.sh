#!/usr/bin/env bash
# Installs the build into a throw-away prefix and runs the installed game from outside the
# build tree: --version, --help, a bad option, a headless start that finds its meshes in the
# installed data folder (or in --data-dir), the desktop files through their validators and the
# manual pages through man.
# Usage: install_test.sh BUILD_DIR
set -uo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
cd "$work"
ursa=$prefix/games/ursa
id=net.ursagame.Ursa

# The installed files, one by one.
for f in games/ursa games/ursa-sim libexec/ursa/ursa-xparse share/applications/$id.desktop \
  share/metainfo/$id.metainfo.xml share/man/man6/ursa.6.gz share/man/man6/ursa-sim.6.gz \
  share/games/ursa/bear.x share/games/ursa/back.x share/games/ursa/icon.bmp share/doc/ursa/copyright; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
for size in 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x$size" ] || fail "icon $icon"
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/as.log" ||
  { cat "$work/as.log"; fail "appstreamcli validate"; }
for page in ursa ursa-sim; do
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man6/$page.6.gz" >"$work/man" 2>"$work/man.err" &&
    [ ! -s "$work/man.err" ] && grep -q "^SYNOPSIS" "$work/man" || { cat "$work/man.err"; fail "man $page"; }
done

# --version and --help answer on stdout and start nothing.
out=$("$ursa" --version) && [[ "$out" == "ursa "[0-9]*.[0-9]*.[0-9]* ]] || fail "--version: '$out'"
"$ursa" --help >"$work/help" && grep -q -- "--data-dir" "$work/help" || fail "--help"
"$prefix/games/ursa-sim" --version | grep -q "^ursa-sim " || fail "ursa-sim --version"

# A bad option or a stray argument: a message, exit status 2, never a game start.
export SDL_VIDEODRIVER=offscreen
for args in "--no-such-option" "stray" "--data-dir"; do
  # shellcheck disable=SC2086
  timeout 20 "$ursa" $args >/dev/null 2>"$work/err"
  status=$?
  [ "$status" -eq 2 ] && [ -s "$work/err" ] || fail "ursa $args: exit status $status"
done

# starts ARGS... : the game must still be running at the title after a few seconds (a failed
# start exits at once with status 1), then end cleanly on SIGTERM.
starts() {
  "$@" >"$work/out" 2>"$work/err" </dev/null &
  local pid=$! status
  for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"; status=$?
    fail "$*: ended by itself with status $status:"; cat "$work/err"; return
  fi
  kill -TERM "$pid"; wait "$pid"; status=$?
  [ "$status" -eq 0 ] || { fail "$*: status $status after SIGTERM"; cat "$work/err"; }
}
starts "$ursa" --windowed

# The installation moved elsewhere finds its meshes through --data-dir ...
mv "$prefix" "$work/elsewhere"
mv "$work/elsewhere/share/games/ursa" "$work/data"
starts "$work/elsewhere/games/ursa" --windowed --data-dir "$work/data"
# ... and without them names every place it looked in.
timeout 20 "$work/elsewhere/games/ursa" --windowed >/dev/null 2>"$work/err"
status=$?
[ "$status" -eq 1 ] && grep -q "$work/elsewhere/games (beside the program)" "$work/err" &&
  grep -q "$work/elsewhere/share/games/ursa (the installed data folder)" "$work/err" ||
  { fail "missing data: status $status"; cat "$work/err"; }

# Without its mesh parser the game names where it looked, and never reaches into the build.
mv "$work/data" "$work/elsewhere/share/games/ursa"
rm "$work/elsewhere/libexec/ursa/ursa-xparse"
timeout 20 "$work/elsewhere/games/ursa" --windowed >/dev/null 2>"$work/err"
status=$?
[ "$status" -eq 1 ] && grep -q "no ursa-xparse at $work/elsewhere/games/ursa-xparse, " "$work/err" &&
  ! grep -qF "$build" "$work/err" || { fail "no mesh parser: status $status"; cat "$work/err"; }

[ "$failures" -eq 0 ] && echo "install: all clear" || exit 1
