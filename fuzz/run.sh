#!/usr/bin/env bash
# Runs each libFuzzer harness until it has made RUNS executions (default ten
# million) or MAX_TIME seconds have passed (default two hours), then prints
# the totals. A crash, hang (TIMEOUT seconds on one input), leak or sanitizer
# report fails the script; the input that caused it is kept in the log folder.
#
#   fuzz/run.sh [BUILD-DIR] [HARNESS...]
#
# BUILD-DIR (default build-fuzz) is configured and built here with clang and
# -DDORVIK_FUZZ=ON. The work corpus grows under BUILD-DIR/fuzz-corpus, so a
# second run starts where the first stopped.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=${1:-$root/build-fuzz}
shift || true
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=(fuzz_entry_rules fuzz_check_digits fuzz_load fuzz_check_run)
runs=${RUNS:-10000000}
max_time=${MAX_TIME:-7200}
timeout=${TIMEOUT:-10}

if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  echo "fuzzing needs clang and its runtime: apt-get install clang libclang-rt-14-dev" >&2
  exit 2
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DDORVIK_FUZZ=ON -DDORVIK_BUILD_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 2
fi
cmake --build "$build" -j2 --target "${harnesses[@]}" >/dev/null || exit 2

corpus=$build/fuzz-corpus
logs=$build/fuzz-logs
mkdir -p "$logs"
"$here/make_corpus.sh" "$corpus/seed"

# Inputs no longer than a few records keep the check run fast; longer ones
# find nothing a short one does not.
max_len() {
  case $1 in
    fuzz_check_run) echo 450 ;;
    fuzz_load) echo 1024 ;;
    fuzz_entry_rules) echo 256 ;;
    *) echo 64 ;;
  esac
}

# Allocation stacks and fills cost a quarter of the check run's speed; a
# report still names the fault, and rerunning its input without these
# options gives the stacks.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0:max_malloc_fill_size=0:quarantine_size_mb=8}

status=0
for h in "${harnesses[@]}"; do
  mkdir -p "$corpus/work/$h"
  log=$logs/$h.log
  "$build/fuzz/$h" -runs="$runs" -max_total_time="$max_time" -timeout="$timeout" \
    -max_len="$(max_len "$h")" -print_final_stats=1 -artifact_prefix="$logs/$h-" \
    "$corpus/work/$h" "$corpus/seed/$h" >"$log" 2>&1
  rc=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  secs=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  if [ $rc -eq 0 ]; then
    echo "$h: ${execs:-?} executions in ${secs:-?} s, no fault"
  else
    echo "$h: FAILED after ${execs:-?} executions (exit $rc); see $log"
    grep -E "ERROR|SUMMARY|expectation failed" "$log" | head -5
    status=1
  fi
done
exit $status
