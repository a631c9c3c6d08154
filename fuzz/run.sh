#!/usr/bin/env bash
# Runs each libFuzzer harness to RUNS executions (default ten million) or
# MAX_TIME seconds (default two hours) and prints the totals. A crash, a hang
# (TIMEOUT seconds on one input), a leak or a sanitizer report fails the
# script; the input that caused it is kept in the log folder.
#
#   fuzz/run.sh [BUILD-DIR] [HARNESS...]
#
# BUILD-DIR (default build-fuzz) is configured and built with clang and
# -DDORVIK_FUZZ=ON. The corpus grows under BUILD-DIR/fuzz-corpus, so a second
# run starts where the first stopped.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-fuzz}
shift || true
harnesses=("$@")
[ $# -gt 0 ] || harnesses=(fuzz_rules fuzz_report_file fuzz_sheet_import)
[ -f "$build/CMakeCache.txt" ] || CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DDORVIK_FUZZ=ON \
  -DDORVIK_BUILD_TESTS=OFF >/dev/null || exit 2
cmake --build "$build" -j2 --target "${harnesses[@]}" >"$build/fuzz-build.log" 2>&1 || {
  echo "the build failed (fuzzing needs clang and libclang-rt-14-dev); see $build/fuzz-build.log" >&2; exit 2; }

# Seeds: the example report file (in 2003, blocks of 148 bytes, no read
# failure, nothing changed on the disk, no edit: see properties.h), the
# tests' record cut into the rules harness's pieces (year, period, fields),
# and the example sheet, as text and as an .ods table.
corpus=$build/fuzz-corpus logs=$build/fuzz-logs
mkdir -p "$logs" "$corpus"/seed/{fuzz_report_file,fuzz_rules,fuzz_sheet_import}
{ printf '\x0d\x94\xf8\x2d'; cat "$root/examples/PRIJAVA.TXT"; } >"$corpus/seed/fuzz_report_file/example"
{ printf '\x0d99\xff0101'; printf '\xff%s' 99 1111111118 1111111111111 1234567897 "Ime Prezime 1" "Firma DOO Skopje" \
  0101 3112 1200 2088 000150000 0000 0000 "     " 0000; } >"$corpus/seed/fuzz_rules/record"

{ printf '\x00'; cat "$root/examples/plata-2024.csv"; } >"$corpus/seed/fuzz_sheet_import/csv"
{ printf '\x01<table:table><table:table-row><table:table-cell office:value-type="float" office:value="615" '
  printf 'table:number-columns-repeated="2"><text:p>a<text:s text:c="2"/>b</text:p></table:table-cell>'
  printf '</table:table-row></table:table>'; } >"$corpus/seed/fuzz_sheet_import/ods"

# Allocation stacks and fills cost a quarter of the speed; a report still
# names the fault, and rerunning its input without these options gives them.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0:max_malloc_fill_size=0:quarantine_size_mb=8}
status=0
for h in "${harnesses[@]}"; do
  mkdir -p "$corpus/work/$h"
  # Inputs of a dozen records (eleven beside a bad line reach the summary's
  # one in ten) keep the check run fast; longer ones find nothing more.
  "$build/fuzz/$h" -runs="${RUNS:-10000000}" -max_total_time="${MAX_TIME:-7200}" -timeout="${TIMEOUT:-10}" \
    -max_len=$(case $h in fuzz_report_file|fuzz_sheet_import) echo 2000;; *) echo 256;; esac) -print_final_stats=1 \
    -artifact_prefix="$logs/$h-" "$corpus/work/$h" "$corpus/seed/$h" >"$logs/$h.log" 2>&1
  rc=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$logs/$h.log" | tail -1)
  secs=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$logs/$h.log" | tail -1)
  echo "$h: ${execs:-?} executions in ${secs:-?} s, $([ $rc = 0 ] && echo "no fault" || echo "FAILED (exit $rc), see $logs/$h.log")"
  [ $rc = 0 ] || { status=1; grep -E "ERROR|SUMMARY|what\(\)" "$logs/$h.log" | head -5; }
done
exit $status
