#!/usr/bin/env bash
# Sets up, builds and runs every test: the full build and its tests (the install test among
# them), the Debian package, the style checks, the browser's page in a headless Chromium, then
# the rules again under ASan and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
bash scripts/build.sh --tests
(cd build && ctest --output-on-failure -j"$(nproc)")
bash tests/install/package_test.sh build
bash scripts/lint.sh build

# The browser's page, built from Debian's sources and played in a headless Chromium.
bash scripts/web.sh --build
/usr/bin/python3 tests/web/browser_test.py build-web/www build/tools/ursa-sim/ursa-sim \
  docs/screenshots

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DURSA_SANITIZE=ON -DURSA_RULES_ONLY=ON \
  -DURSA_WERROR=ON >/dev/null
cmake --build build-sanitize -j"$(nproc)"
(cd build-sanitize && ctest --output-on-failure -j"$(nproc)")
