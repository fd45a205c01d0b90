#!/usr/bin/env bash
# Starts Jorvell: checks for an X display first, then installs what is
# missing, builds what the game needs (the engine, the game, the generators
# and the data files they make; no tests or benchmarks) and starts it in its
# data folder. Closing the window, or Escape, ends the game with exit code 0.
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${DISPLAY:-}" ]; then
  echo "Jorvell opens a window: it needs an X display (DISPLAY is not set)." >&2
  echo "Nothing was installed or built. To build without starting, see README.md." >&2
  exit 1
fi

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target jorvell jorvell_data
cd build/data
exec ../jorvell
