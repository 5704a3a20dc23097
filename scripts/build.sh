#!/usr/bin/env bash
# Configures and builds Ursa (Release) into build/.
#   scripts/build.sh          the game and ursa-sim only
#   scripts/build.sh --tests  also the tests, benchmarks and developer tools, warnings as errors
set -euo pipefail
cd "$(dirname "$0")/.."
testing=OFF
[ "${1:-}" = "--tests" ] && testing=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=$testing -DURSA_WERROR=$testing >/dev/null
cmake --build build -j"$(nproc)"
