#!/usr/bin/env bash
# Builds the fuzzing configuration in build-fuzz/ and runs the fuzz targets.
#
#   fuzz/run.sh [--fresh] LIMIT [TARGET[:N]...]
#
# LIMIT is a number of runs per target (1000000) or a time per target with
# its unit (90s, 10m, 1h). TARGET names a target without its "fuzz_" (bvh,
# tile_map); without any, every target runs. A target given as TARGET:N runs
# as N processes sharing its corpus, which split its runs (or each fuzz for
# the whole time). ZELK_FUZZ_JOBS processes run at a time (4 by default).
#
# Each target starts from its seeds and from the corpus it grew in earlier
# runs (build-fuzz/corpus/<target>/); with --fresh it starts from its seeds
# alone, with the same random seed every time, and keeps nothing. An input
# that crashes, leaks, runs past 10 s or takes more than 2 GiB is kept in
# build-fuzz/findings/<target>/; the log of each process is
# build-fuzz/logs/<target>.<k>.log (build-fuzz/logs/fresh/ with --fresh).
set -euo pipefail
cd "$(dirname "$0")/.."

fresh=0
if [ "${1:-}" = "--fresh" ]; then
  fresh=1
  shift
fi
if [ $# -lt 1 ] || ! [[ "$1" =~ ^[0-9]+[smh]?$ ]]; then
  echo "usage: fuzz/run.sh [--fresh] RUNS|TIME(s|m|h) [TARGET[:N]...]" >&2
  exit 2
fi
limit=$1
shift

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

# The flag that bounds one of a target's N processes.
limitFlag() {
  case "$limit" in
    *s) echo "-max_total_time=${limit%s}" ;;
    *m) echo "-max_total_time=$((${limit%m} * 60))" ;;
    *h) echo "-max_total_time=$((${limit%h} * 3600))" ;;
    *) echo "-runs=$(((limit + $1 - 1) / $1))" ;;
  esac
}

# Process k of a target's n: its log is $logs/<target>.<k>.log, and its exit
# status, not 0 when it found anything, goes to $scratch/<target>.<k>.status.
fuzzPart() {
  local name=$1 k=$2 n=$3 corpus findings status
  local seed=0
  if [ "$fresh" -eq 1 ]; then
    corpus="$scratch/$name"
    seed=$k
  else
    corpus="build-fuzz/corpus/$name"
  fi
  findings="build-fuzz/findings/$name"
  mkdir -p "$corpus" "$findings"
  # The readers that take a path get their temp file in the scratch folder.
  TMPDIR="$scratch" "build-fuzz/fuzz/fuzz_$name" "$(limitFlag "$n")" -seed="$seed" \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$corpus" "build-fuzz/seeds/$name" >"$logs/$name.$k.log" 2>&1 && status=0 || status=$?
  echo "$status" >"$scratch/$name.$k.status"
}

for target in "$@"; do
  name=${target%%:*}
  n=1
  [ "$name" = "$target" ] || n=${target#*:}
  if [ ! -x "build-fuzz/fuzz/fuzz_$name" ] || ! [[ "$n" =~ ^[1-9][0-9]*$ ]]; then
    echo "no fuzz target fuzz_$name, or no process count in $target" >&2
    exit 2
  fi
  rm -f "$logs/$name".*.log
  for k in $(seq "$n"); do
    while [ "$(jobs -rp | wc -l)" -ge "${ZELK_FUZZ_JOBS:-4}" ]; do
      wait -n || true
    done
    fuzzPart "$name" "$k" "$n" &
  done
done
wait

passed=0
failed=0
for target in "$@"; do
  name=${target%%:*}
  runs=$(cat "$logs/$name".*.log | sed -n 's/^Done \([0-9]*\) runs.*/\1/p' |
    awk '{ total += $1 } END { print total + 0 }')
  if cat "$scratch/$name".*.status | grep -qv '^0$'; then
    failed=$((failed + 1))
    printf '%-16s FINDING, see %s/%s.*.log and build-fuzz/findings/%s/\n' \
      "$name" "$logs" "$name" "$name"
    grep -h -m1 -E "^==[0-9]+==ERROR|^SUMMARY|runtime error|ALARM|out-of-memory" \
      "$logs/$name".*.log || true
  else
    passed=$((passed + 1))
    printf '%-16s %10s runs, no finding\n' "$name" "$runs"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
