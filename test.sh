#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: first a plain build,
# then one under AddressSanitizer and UndefinedBehaviorSanitizer, then every
# fuzz target for a short run from its seeds.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh

jobs=$(nproc)
export ALSOFT_DRIVERS=null
export ASAN_OPTIONS="detect_leaks=1:alloc_dealloc_mismatch=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

run_ctest() {
  if [ -z "${DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" ctest --test-dir "$1" --output-on-failure -j "$jobs"
  else
    ctest --test-dir "$1" --output-on-failure -j "$jobs"
  fi
}

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
run_ctest build

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DZELK_SANITIZE=ON
cmake --build build-asan -j "$jobs"
run_ctest build-asan

ZELK_FUZZ_JOBS="$jobs" bash fuzz/run.sh --fresh 2000
