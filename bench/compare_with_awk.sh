#!/usr/bin/env bash
# Times dorvik-check on a generated file of 32767 records against awk merely
# measuring the same file's lines, alternating the two, and prints both
# medians, their ratio and the peak memory of each.
#
#   bench/compare_with_awk.sh [BUILD_DIR [RUNS [FAULTY_PERCENT]]]
#
# BUILD_DIR must have been configured with -DDORVIK_BUILD_BENCHMARKS=ON and
# built with the targets dorvik-check and dorvik-bench-report.
set -euo pipefail
export LC_ALL=C

build=${1:-build}
runs=${2:-21}
faulty=${3:-5}
tool=$build/src/cli/dorvik-check
generator=$build/bench/dorvik-bench-report

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
report=$folder/PRIJAVA.TXT
"$generator" "$report" 32767 "$faulty"

run_tool() {
    local status=0
    "$tool" "$report" >/dev/null || status=$?
    # 1 is a file that failed its check, which a file with faults should.
    if [ "$status" -gt 1 ]; then
        echo "dorvik-check failed with status $status" >&2
        exit 2
    fi
}
run_awk() { awk '{ n += length($0) } END { print n }' "$report" >/dev/null; }

# Milliseconds taken by one call of the function named.
elapsed() {
    local start=$EPOCHREALTIME
    "$1"
    local end=$EPOCHREALTIME
    echo "$start $end" | awk '{ printf "%.3f\n", ($2 - $1) * 1000 }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Warm the page cache and the programs.
run_tool
run_awk

tool_times=()
awk_times=()
for ((i = 0; i < runs; i++)); do
    awk_times+=("$(elapsed run_awk)")
    tool_times+=("$(elapsed run_tool)")
done
awk_median=$(printf '%s\n' "${awk_times[@]}" | median)
tool_median=$(printf '%s\n' "${tool_times[@]}" | median)

peak() { /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1; }
tool_peak=$(peak "$tool" "$report" || true)
awk_peak=$(peak awk '{ n += length($0) } END { print n }' "$report")

bytes=$(stat -c %s "$report")
listed=$(($(wc -l <"${report%????}.err") - 14))
echo "file:                 $bytes bytes, 32767 records, $listed listed in the error list"
echo "runs:                 $runs of each, alternating"
echo "awk median:           $awk_median ms"
echo "dorvik-check median:  $tool_median ms"
awk -v t="$tool_median" -v a="$awk_median" 'BEGIN { printf "ratio:                %.2f\n", t / a }'
echo "peak memory (max RSS): dorvik-check $tool_peak KB, awk $awk_peak KB"
echo "load average:         $(cut -d' ' -f1-3 /proc/loadavg)"
