#!/usr/bin/env bash
# Builds the Debian package and checks it as Debian would: what it holds and where (games in
# /usr/games), its dependencies, its description, lintian, the version in its documents and
# no build-tree path in its programs; then starts the unpacked game from a throw-away root.
# Usage: package_test.sh BUILD_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/ursa_*_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { cat "$work/cpack.log"; echo "FAIL no .deb built"; exit 1; }
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
version=$(dpkg-deb --field "$deb" Version)

id=net.ursagame.Ursa
dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
for f in /usr/games/ursa /usr/games/ursa-sim /usr/libexec/ursa/ursa-xparse \
  /usr/share/games/ursa/bear.x /usr/share/games/ursa/icon.bmp \
  /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
  /usr/share/man/man6/ursa.6.gz /usr/share/man/man6/ursa-sim.6.gz \
  /usr/share/doc/ursa/copyright /usr/share/doc/ursa/changelog.gz \
  /usr/share/icons/hicolor/48x48/apps/$id.png /usr/share/icons/hicolor/256x256/apps/$id.png; do
  grep -qx -- "$f" "$work/contents" || fail "not in the package: $f"
done

# The libraries the programs link, and the OpenGL ones that SDL and epoxy open at run time,
# which no link shows: without them the package installs and the window never opens.
depends=$(dpkg-deb --field "$deb" Depends)
echo "$depends" | tr ',|' '\n\n' | awk '{print $1}' >"$work/depends"
for lib in libsdl2- libassimp libepoxy libpng libgl1$ libegl1$ libgl1-mesa-dri$; do
  grep -q "^$lib" "$work/depends" || fail "Depends lacks ${lib%$}: $depends"
done
# A long description line that starts with two spaces shows as preformatted text.
dpkg-deb --field "$deb" Description | tail -n +2 | grep -n '^  ' &&
  fail "the long description has preformatted lines"

# lintian: no error or warning, and the programs built hardened.
lintian -I "$deb" >"$work/lintian" 2>&1
grep -qE '^(E|W): |hardening-' "$work/lintian" && fail "lintian:" && grep -v '^N: ' "$work/lintian"

dpkg-deb -x "$deb" "$work/root"
root=$work/root
# The version in the manual pages and the AppStream metadata is the program's own.
for page in ursa ursa-sim; do
  zcat "$root/usr/share/man/man6/$page.6.gz" | grep -q "^\.TH .*\"Ursa $version\"" ||
    fail "$page.6 does not say Ursa $version: $(zcat "$root/usr/share/man/man6/$page.6.gz" | grep '^\.TH')"
done
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo's release is not $version"
[ "$("$root/usr/games/ursa" --version)" = "ursa $version" ] || fail "ursa --version is not $version"

# No program names a folder of the build: a program started from there could be anyone's.
for program in usr/games/ursa usr/games/ursa-sim usr/libexec/ursa/ursa-xparse; do
  [ -f "$root/$program" ] || { fail "no $program"; continue; }
  strings "$root/$program" | grep -F -e "$build" -e "$source_dir" && fail "$program names a build path"
done

# The unpacked game finds its meshes in its own share/games/ursa, wherever the root is.
SDL_VIDEODRIVER=offscreen "$root/usr/games/ursa" --windowed >"$work/out" 2>"$work/err" </dev/null &
pid=$!
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  kill -TERM "$pid"; wait "$pid" || fail "unpacked game: bad status after SIGTERM"
else
  wait "$pid"; fail "unpacked game ended by itself with status $?:"; cat "$work/err"
fi

# A distribution's build, configured with the defaults: warnings stay warnings, so that its
# newer compiler cannot stop it.
cmake -S "$source_dir" -B "$work/distro" -DBUILD_TESTING=OFF >"$work/distro.log" 2>&1 ||
  { cat "$work/distro.log"; fail "a distribution's build does not configure"; }
grep -q -- "-Werror" "$work/distro/compile_commands.json" && fail "a distribution's build has -Werror"

echo "contents:"; sed 's/^/  /' "$work/contents" | grep -v '/$'
[ "$failures" -eq 0 ] && echo "package: all clear" || exit 1
