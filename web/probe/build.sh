#!/usr/bin/env bash
# Builds the browser probe (web/probe) into build-web/probe: probe.js, probe.wasm, probe.data
# (the font) and index.html. Needs the libraries of scripts/web-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/../.."
prefix="$PWD/build-web/deps/prefix"
out="$PWD/build-web/probe"
font=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
export EMSDK_PYTHON=/usr/bin/python3
export NODE_PATH=/usr/share/nodejs

bash scripts/web-deps.sh
mkdir -p "$out"
echo "probe: emcc web/probe/probe.cpp -> $out/probe.js"
# The prefix's own .pc files only: the host's must not leak in.
export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig"
libs=(SDL2_ttf libpng zlib)
# shellcheck disable=SC2046 # pkg-config's words are separate flags
em++ -std=c++20 -O2 -fexceptions $(pkg-config --cflags "${libs[@]}") web/probe/probe.cpp \
  -o "$out/probe.js" $(pkg-config --static --libs "${libs[@]}") -fexceptions \
  -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2 -sALLOW_MEMORY_GROWTH=1 \
  --preload-file "$font@/fonts/ipagp.ttf"
cp web/probe/index.html "$out/"
ls -l "$out"
