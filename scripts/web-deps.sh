#!/usr/bin/env bash
# Builds the libraries of Ursa's browser build (zlib, libpng, FreeType, SDL2, SDL2_ttf) for
# WebAssembly with Debian's emscripten, from Debian's source packages, into build-web/deps/prefix.
#
#   scripts/web-deps.sh            build what is missing or out of date, say where the prefix is
#
# Each library leaves a stamp (prefix/.stamps/NAME) holding the Debian source version it was
# built from and a hash of how this script builds it; a library whose stamp matches both is not
# touched, so a rerun does nothing, and a changed recipe or a newer Debian version rebuilds.
# Sources come from Debian's archive only (apt-get source): emscripten's own ports download
# from elsewhere and are never used.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."

root="$PWD/build-web/deps"
prefix="$root/prefix"
src_root="$root/src"
build_root="$root/build"
log_root="$root/log"
stamps="$prefix/.stamps"
jobs=2

# Debian's emcc runs under the system Python (the first python3 on PATH may lack what it
# needs) and its node finds acorn only in Debian's module folder.
export EMSDK_PYTHON=/usr/bin/python3
export NODE_PATH=/usr/share/nodejs

sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo

say() { echo "web-deps: $*"; }

# run LOG CMD...: runs a step with its output in LOG; on failure shows the log's end.
run() {
  local log="$1"
  shift
  if ! "$@" >"$log" 2>&1; then
    echo "web-deps: failed: $*" >&2
    tail -n 30 "$log" >&2
    echo "web-deps: whole log: $log" >&2
    exit 1
  fi
}

# --- tools -----------------------------------------------------------------------------------
tools=(emscripten cmake make dpkg-dev)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  say "installing ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
else
  say "tools present (${tools[*]})"
fi

# --- Debian source archive -------------------------------------------------------------------
# apt's own format fields, not shell expansions:
# shellcheck disable=SC2016
has_sources() {
  [ -n "$(apt-get indextargets --format '$(CODENAME)' 'Created-By: Sources' 'Codename: bookworm' \
    'Component: main' 2>/dev/null)" ]
}
if has_sources; then
  say "deb-src for bookworm main present"
else
  # The same mirror the binary packages come from.
  # shellcheck disable=SC2016
  mirror="$(apt-get indextargets --format '$(REPO_URI)' 'Created-By: Packages' \
    'Codename: bookworm' 'Component: main' 2>/dev/null | head -n 1)"
  mirror="${mirror:-http://deb.debian.org/debian/}"
  list=/etc/apt/sources.list.d/ursa-web-deb-src.sources
  say "adding deb-src for bookworm main ($mirror) in $list, apt-get update"
  printf '%s\n' "Types: deb-src" "URIs: $mirror" "Suites: bookworm" "Components: main" \
    "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" | $sudo tee "$list" >/dev/null
  $sudo apt-get update -qq
  has_sources || { echo "web-deps: apt still lists no bookworm main sources" >&2; exit 1; }
fi

# --- helpers ---------------------------------------------------------------------------------
mkdir -p "$prefix/lib/pkgconfig" "$prefix/include" "$stamps" "$src_root" "$build_root" "$log_root"

# source_version PACKAGE: the newest version of the source package in the archive, the one
# apt-get source fetches.
source_version() {
  local best="" v
  for v in $(apt-cache showsrc --only-source "$1" 2>/dev/null | sed -n 's/^Version: //p'); do
    if [ -z "$best" ] || dpkg --compare-versions "$v" gt "$best"; then best="$v"; fi
  done
  [ -n "$best" ] || { echo "web-deps: no source package $1 in the archive" >&2; exit 1; }
  echo "$best"
}

# fetch NAME PACKAGE VERSION: unpacks the Debian source (with Debian's patches) afresh into
# src/NAME and prints the unpacked folder.
fetch() {
  local dir="$src_root/$1"
  rm -rf "$dir"
  mkdir -p "$dir"
  (cd "$dir" && run "$log_root/$1-source.log" apt-get source -q "$2=$3")
  find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n 1
}

cmake_common=(
  -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_INSTALL_PREFIX="$prefix"
  -DCMAKE_FIND_ROOT_PATH="$prefix"
  -DCMAKE_PREFIX_PATH="$prefix"
  -DCMAKE_TRY_COMPILE_TARGET_TYPE=STATIC_LIBRARY
  -DBUILD_SHARED_LIBS=OFF
)
zlib_args=(-DZLIB_INCLUDE_DIR="$prefix/include" -DZLIB_LIBRARY="$prefix/lib/libz.a")

# cmake_lib NAME SRC ARGS...: configure, build and install one CMake project.
cmake_lib() {
  local name="$1" src="$2"
  shift 2
  local bld="$build_root/$name"
  rm -rf "$bld"
  say "$name: configure"
  run "$log_root/$name-configure.log" emcmake cmake -S "$src" -B "$bld" "${cmake_common[@]}" "$@"
  say "$name: build"
  run "$log_root/$name-build.log" cmake --build "$bld" -j"$jobs"
  say "$name: install"
  run "$log_root/$name-install.log" cmake --install "$bld"
}

# --- the libraries ---------------------------------------------------------------------------
build_zlib() {
  local src="$1" bld="$build_root/zlib"
  # Debian's zlib tarball lacks win32/, which zlib's CMakeLists reads: compile the library's
  # C files directly.
  rm -rf "$bld"
  mkdir -p "$bld"
  say "zlib: compile"
  local name sources=() objects=()
  for name in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate \
    inftrees trees uncompr zutil; do
    sources+=("$src/$name.c")
    objects+=("$bld/$name.o")
  done
  # emcc -c leaves NAME.o for each NAME.c in the folder it runs in.
  (cd "$bld" && run "$log_root/zlib-build.log" emcc -O2 -DHAVE_UNISTD_H -DHAVE_STDARG_H -c \
    "${sources[@]}")
  say "zlib: install"
  rm -f "$prefix/lib/libz.a"
  run "$log_root/zlib-install.log" emar rcs "$prefix/lib/libz.a" "${objects[@]}"
  cp "$src/zlib.h" "$src/zconf.h" "$prefix/include/"
  local ver
  ver="$(sed -n 's/^#define ZLIB_VERSION "\(.*\)"/\1/p' "$src/zlib.h")"
  # FreeType's freetype2.pc requires zlib; nothing else would write zlib.pc.
  cat >"$prefix/lib/pkgconfig/zlib.pc" <<EOF
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: zlib
Description: zlib compression library
Version: $ver
Libs: -L\${libdir} -lz
Cflags: -I\${includedir}
EOF
}

build_libpng() {
  cmake_lib libpng "$1" "${zlib_args[@]}" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
    -DPNG_EXECUTABLES=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF
}

build_freetype() {
  cmake_lib freetype "$1" "${zlib_args[@]}" -DFT_REQUIRE_ZLIB=ON -DFT_DISABLE_BZIP2=ON \
    -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
}

build_sdl2() {
  # The browser build needs video and events only; threads would need SharedArrayBuffer.
  # Checks build static libraries here (no link), so a check for a separate libiconv would pass
  # and put -liconv, which does not exist, in sdl2.pc: emscripten's libc has iconv.
  cmake_lib sdl2 "$1" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF \
    -DSDL_AUDIO=OFF -DSDL_SENSOR=OFF -DSDL_HAPTIC=OFF -DSDL_POWER=OFF -DSDL_HIDAPI=OFF \
    -DSDL_RENDER=OFF -DHAVE_LIBICONV=OFF
}

build_sdl2_ttf() {
  cmake_lib sdl2_ttf "$1" -DSDL2TTF_SAMPLES=OFF -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF \
    -DSDL2_DIR="$prefix/lib/cmake/SDL2"
  # A static SDL2_ttf installs no SDL2_ttf.pc; the game's build finds it by pkg-config.
  local ver
  ver="$(sed -n 's/^# *define SDL_TTF_\(MAJOR\|MINOR\|PATCH\)LEVEL *\([0-9]*\)/\2/p' \
    "$prefix/include/SDL2/SDL_ttf.h" | paste -sd.)"
  cat >"$prefix/lib/pkgconfig/SDL2_ttf.pc" <<EOF
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: SDL2_ttf
Description: TrueType font library for SDL2
Version: $ver
Requires: sdl2
Requires.private: freetype2
Libs: -L\${libdir} -lSDL2_ttf
Cflags: -I\${includedir}/SDL2
EOF
}

# NAME PACKAGE, in build order: each one's dependencies come before it.
libraries=(
  "zlib zlib"
  "libpng libpng1.6"
  "freetype freetype"
  "sdl2 libsdl2"
  "sdl2_ttf libsdl2-ttf"
)

# recipe NAME: a short hash of the commands and options that build NAME.
recipe() {
  { declare -f "build_$1" cmake_lib; echo "${cmake_common[*]} ${zlib_args[*]}"; } | sha256sum |
    cut -c1-16
}

for entry in "${libraries[@]}"; do
  read -r name package <<<"$entry"
  version="$(source_version "$package")"
  stamp="$(printf '%s\nrecipe %s' "$version" "$(recipe "$name")")"
  built="$(cat "$stamps/$name" 2>/dev/null || true)"
  if [ "$built" = "$stamp" ]; then
    say "$name: $package $version already built"
    continue
  fi
  if [ "${built%%$'\n'*}" = "$version" ]; then
    say "$name: built from $version by another recipe, building again"
  fi
  start=$SECONDS
  say "$name: apt-get source $package=$version"
  src="$(fetch "$name" "$package" "$version")"
  rm -f "$stamps/$name"
  "build_$name" "$src"
  echo "$stamp" >"$stamps/$name"
  # Only the prefix is kept; the logs stay for a look at how it went.
  rm -rf "${src_root:?}/$name" "${build_root:?}/$name"
  say "$name: $package $version built in $((SECONDS - start)) s"
done

say "prefix: $prefix"
