#!/usr/bin/env bash
# Sets up, builds and runs every test: the full build and its tests (the install test among
# them), the Debian package, the style checks, then the rules again under ASan and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
bash scripts/build.sh --tests
(cd build && ctest --output-on-failure -j"$(nproc)")
bash tests/install/package_test.sh build
bash scripts/lint.sh build

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DURSA_SANITIZE=ON -DURSA_RULES_ONLY=ON \
  -DURSA_WERROR=ON >/dev/null
cmake --build build-sanitize -j"$(nproc)"
(cd build-sanitize && ctest --output-on-failure -j"$(nproc)")
