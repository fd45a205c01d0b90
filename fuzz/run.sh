#!/usr/bin/env bash
# Builds the fuzzing configuration in build-fuzz/ and runs the fuzz targets.
#
#   fuzz/run.sh [--fresh] LIMIT [TARGET...]
#
# LIMIT is a number of runs per target (1000000) or a time per target with
# its unit (90s, 10m, 1h). TARGET names a target without its "fuzz_" (bvh,
# tile_map); without any, every target runs. ZELK_FUZZ_JOBS targets run at a
# time (4 by default), one process each.
#
# Each target starts from its seeds and from the corpus it grew in earlier
# runs (build-fuzz/corpus/<target>/); with --fresh it starts from its seeds
# alone and keeps nothing. An input that crashes, leaks, runs past 10 s or
# takes more than 2 GiB is kept in build-fuzz/findings/<target>/; the log of
# each run is build-fuzz/logs/<target>.log (build-fuzz/logs/fresh/ with
# --fresh).
set -euo pipefail
cd "$(dirname "$0")/.."

fresh=0
if [ "${1:-}" = "--fresh" ]; then
  fresh=1
  shift
fi
if [ $# -lt 1 ] || ! [[ "$1" =~ ^[0-9]+[smh]?$ ]]; then
  echo "usage: fuzz/run.sh [--fresh] RUNS|TIME(s|m|h) [TARGET...]" >&2
  exit 2
fi
limit=$1
shift

case "$limit" in
  *s) limitFlag="-max_total_time=${limit%s}" ;;
  *m) limitFlag="-max_total_time=$(( ${limit%m} * 60 ))" ;;
  *h) limitFlag="-max_total_time=$(( ${limit%h} * 3600 ))" ;;
  *) limitFlag="-runs=$limit" ;;
esac

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DZELK_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "${ZELK_FUZZ_JOBS:-4}" >/dev/null

if [ $# -eq 0 ]; then
  set -- $(cd build-fuzz/fuzz && ls fuzz_* | sed 's/^fuzz_//')
fi

export ASAN_OPTIONS="detect_leaks=1:alloc_dealloc_mismatch=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
logs=build-fuzz/logs
[ "$fresh" -eq 0 ] || logs=build-fuzz/logs/fresh
mkdir -p "$logs"

# One target: its runs, its log, its findings; its exit status goes to
# $scratch/<target>.status, not 0 when it found anything.
fuzzTarget() {
  local name=$1 corpus findings status
  if [ "$fresh" -eq 1 ]; then
    corpus="$scratch/$name"
  else
    corpus="build-fuzz/corpus/$name"
  fi
  findings="build-fuzz/findings/$name"
  mkdir -p "$corpus" "$findings"
  # The readers that take a path get their temp file in the scratch folder.
  TMPDIR="$scratch" "build-fuzz/fuzz/fuzz_$name" "$limitFlag" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "build-fuzz/seeds/$name" \
    >"$logs/$name.log" 2>&1 && status=0 || status=$?
  echo "$status" >"$scratch/$name.status"
}

for name in "$@"; do
  if [ ! -x "build-fuzz/fuzz/fuzz_$name" ]; then
    echo "no fuzz target fuzz_$name" >&2
    exit 2
  fi
  while [ "$(jobs -rp | wc -l)" -ge "${ZELK_FUZZ_JOBS:-4}" ]; do
    wait -n || true
  done
  fuzzTarget "$name" &
done
wait

passed=0
failed=0
for name in "$@"; do
  runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$logs/$name.log" | tail -1)
  if [ "$(cat "$scratch/$name.status")" = 0 ]; then
    passed=$((passed + 1))
    printf '%-16s %10s runs, no finding\n' "$name" "${runs:-?}"
  else
    failed=$((failed + 1))
    printf '%-16s FINDING, see %s/%s.log and build-fuzz/findings/%s/\n' \
      "$name" "$logs" "$name" "$name"
    grep -m1 -E "^==[0-9]+==ERROR|^SUMMARY|runtime error|ALARM|out-of-memory" \
      "$logs/$name.log" || true
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
