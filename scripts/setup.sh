#!/usr/bin/env bash
# Installs the Debian packages that Ursa needs to build, play and test; only the missing ones.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libbenchmark-dev
  libsdl2-dev libsdl2-ttf-dev libfontconfig-dev libpng-dev
  libassimp-dev libepoxy-dev libgl1-mesa-dri libegl-mesa0
  fonts-ipafont-gothic fonts-liberation2
  xvfb xdotool x11-utils imagemagick
)

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
