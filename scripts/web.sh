#!/usr/bin/env bash
# Ursa in a browser: sets up (Debian packages), builds the page into build-web/www and serves
# it on http://127.0.0.1:8000/ until interrupted.
#   scripts/web.sh           set up, build and serve
#   scripts/web.sh --build   set up and build only
# The libraries come from Debian's sources (scripts/web-deps.sh, cached in build-web/deps);
# the meshes are parsed for the page by the desktop's ursa-xparse, built in build-web/native.
set -euo pipefail
cd "$(dirname "$0")/.."
serve=1
case "${1:-}" in
  "") ;;
  --build) serve=0 ;;
  *) echo "usage: scripts/web.sh [--build]" >&2; exit 2 ;;
esac

bash scripts/setup.sh web
bash scripts/web-deps.sh
jobs=$(nproc)

echo "web: ursa-xparse for the build machine (build-web/native)"
cmake -S . -B build-web/native -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-web/native -j"$jobs" --target ursa-xparse >/dev/null

echo "web: the page (build-web/game -> build-web/www)"
# Debian's emcc runs under the system Python and finds acorn in Debian's node folder; only
# the prefix's libraries may be found, never the host's.
export EMSDK_PYTHON=/usr/bin/python3
export NODE_PATH=/usr/share/nodejs
prefix="$PWD/build-web/deps/prefix"
export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig"
emcmake cmake -S . -B build-web/game -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_FIND_ROOT_PATH="$prefix" -DURSA_XPARSE="$PWD/build-web/native/view/rm/xparse/ursa-xparse" \
  -DURSA_WEB_SITE="$PWD/build-web/www" >/dev/null
cmake --build build-web/game -j"$jobs"
ls -l build-web/www

if [ "$serve" -eq 1 ]; then
  echo "web: serving build-web/www at http://127.0.0.1:8000/ (Ctrl+C ends it)"
  exec /usr/bin/python3 -m http.server --bind 127.0.0.1 8000 --directory build-web/www
fi
