#!/usr/bin/env bash
# Installs what is missing, builds, and starts Jorvell from its data folder.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

if [ ! -x build/jorvell ]; then
  echo "The engine is built; the game Jorvell is not built yet."
  exit 0
fi
mkdir -p build/data
cd build/data
exec ../jorvell
