#!/usr/bin/env bash
# Builds the Debian package, checks what it holds and that its dependencies were computed,
# then unpacks it into a throw-away root and starts the game from there, headless.
# Usage: package_test.sh BUILD_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/ursa_*_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { cat "$work/cpack.log"; echo "FAIL no .deb built"; exit 1; }
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

id=net.ursagame.Ursa
dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
for f in /usr/bin/ursa /usr/bin/ursa-sim /usr/libexec/ursa/ursa-xparse /usr/share/ursa/bear.x /usr/share/ursa/icon.bmp \
  /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
  /usr/share/man/man6/ursa.6 /usr/share/icons/hicolor/256x256/apps/$id.png; do
  grep -qx -- "$f" "$work/contents" || fail "not in the package: $f"
done
depends=$(dpkg-deb --field "$deb" Depends)
for lib in libsdl2 libassimp libepoxy libpng; do
  [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done

# The unpacked game finds its meshes in its own share/ursa, wherever the root is.
dpkg-deb -x "$deb" "$work/root"
SDL_VIDEODRIVER=offscreen "$work/root/usr/bin/ursa" --windowed >"$work/out" 2>"$work/err" </dev/null &
pid=$!
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  kill -TERM "$pid"; wait "$pid" || fail "unpacked game: bad status after SIGTERM"
else
  wait "$pid"; fail "unpacked game ended by itself with status $?:"; cat "$work/err"
fi

echo "contents:"; sed 's/^/  /' "$work/contents" | grep -v '/$'
[ "$failures" -eq 0 ] && echo "package: all clear" || exit 1
