#!/usr/bin/env bash
# Sets up, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh play
bash scripts/build.sh
exec build/app/ursa "$@"
