#!/usr/bin/env bash
# Installs what is missing, builds, and starts Jorvell in its data folder.
# The build makes every data file the folder lacks (pictures, sounds, the
# motion file and the level documents). Closing the window, or Escape, ends
# the game with exit code 0.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

if [ -z "${DISPLAY:-}" ]; then
  echo "Jorvell opens a window: it needs an X display (DISPLAY is not set)." >&2
  exit 1
fi
cd build/data
exec ../jorvell
