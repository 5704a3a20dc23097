#!/usr/bin/env bash
# The whole game under AddressSanitizer and UndefinedBehaviorSanitizer: a sanitized build of the
# game in build-asan/, then the window (headless) replays ursa-sim's full game and quits.
# Usage: scripts/sanitize-game.sh   (a few minutes; not part of scripts/test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DURSA_SANITIZE=ON -DURSA_WERROR=ON \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build build-asan -j2 --target ursa ursa-sim

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The route to the last door, then Esc on the ending screen, the frame after the door, which
# quits the game as a player would: the window hands it over once the ending is up.
script=tools/ursa-sim/full-game.script
door=$(build-asan/tools/ursa-sim/ursa-sim trace "$script" | awk '$13 == "door" { frame = $1 } END { print frame }')
{ cat "$script"; echo "$((door + 1)) Esc down"; } >"$work/replay.keys"

# A finding ends the game at once with its report; leaks are looked for at the exit. Mesa's
# software driver stays loaded to the end (preloaded after the sanitizer's runtime), so that
# what it keeps is seen as its own and not as lost blocks from an unloaded library.
export SDL_VIDEODRIVER=offscreen
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Leaks inside libraries outside the game (libdbus) are passed over, and said nowhere.
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0
preload="$(gcc -print-file-name=libasan.so) /usr/lib/$(gcc -print-multiarch)/dri/swrast_dri.so"
start=$SECONDS
status=0
LD_PRELOAD=$preload timeout 3600 build-asan/app/ursa --windowed --replay "$work/replay.keys" \
  --record "$work/played.keys" >"$work/out" 2>"$work/err" || status=$?
echo "the game ran $((SECONDS - start)) s and ended with status $status"
cat "$work/err"

# The recording of what the window played must end where the simulator's replay ends.
expected=$(build-asan/tools/ursa-sim/ursa-sim play "$script")
played=$(build-asan/tools/ursa-sim/ursa-sim play "$work/played.keys")
echo "simulator: $expected"
echo "window:    $played"
[ "$status" -eq 0 ] && [ ! -s "$work/err" ] && [ "$played" = "$expected" ] ||
  { echo "sanitize-game: FAILED"; exit 1; }
echo "sanitize-game: no findings"
