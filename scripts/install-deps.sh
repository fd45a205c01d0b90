#!/usr/bin/env bash
# Installs the Debian packages zelk and Jorvell need, only those that are missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libsfml-dev libbox2d-dev libglew-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri libx11-dev libxtst-dev libxdamage-dev
  libpugixml-dev libsqlite3-dev libjpeg-dev
  fonts-dejavu-core
  xvfb xauth xdotool imagemagick
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
