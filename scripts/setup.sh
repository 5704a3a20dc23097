#!/usr/bin/env bash
# Installs the Debian packages Ursa needs; only the missing ones.
#   scripts/setup.sh play   what building and playing need
#   scripts/setup.sh test   that, plus the test, lint and packaging tools, and the browser's
#   scripts/setup.sh web    what building and playing need, plus the browser build's tools
set -euo pipefail

play_packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-ttf-dev libfontconfig-dev libpng-dev libinih-dev
  libassimp-dev libepoxy-dev libgl1-mesa-dri libegl-mesa0
  fonts-ipafont-gothic fonts-liberation2
)
test_packages=(
  libgtest-dev libbenchmark-dev
  xvfb xdotool x11-utils imagemagick jwm
  clang-format clang-tidy
  desktop-file-utils appstream dpkg-dev file lintian man-db
)

# The browser build: Debian's emscripten (its libraries built by scripts/web-deps.sh), the
# font cutter, and the browser with its driver for the page's tests.
web_packages=(
  emscripten dpkg-dev fonttools
  chromium chromium-driver python3-selenium python3-pil
)

case "${1:-}" in
  play) packages=("${play_packages[@]}") ;;
  test) packages=("${play_packages[@]}" "${test_packages[@]}" "${web_packages[@]}") ;;
  web) packages=("${play_packages[@]}" "${web_packages[@]}") ;;
  *) echo "usage: scripts/setup.sh play|test|web" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
