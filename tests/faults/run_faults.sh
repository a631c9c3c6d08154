#!/usr/bin/env bash
# Saves a report file through the program's real file layer while the shim
# fails one step of the write at a time. After every failure the report file
# must be byte for byte the old one, no temporary file may be left, and the
# user must have been told the system's description of the failure.
set -u
driver=$1 shim=$2 example=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0 passed=0

check() { # name condition...
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); else echo "FAIL: $name"; failed=$((failed + 1)); fi
}

for fault in open write shortwrite fdatasync linkat rename; do
  dir="$work/$fault"; mkdir -p "$dir"
  cp "$example" "$dir/PRIJAVA.TXT"
  out=$(DORVIK_FAULT_DIR="$dir" DORVIK_FAULT=$fault LD_PRELOAD="$shim" "$driver" "$dir/PRIJAVA.TXT" "Nova firma")
  rc=$?
  check "$fault: save reported as failed (rc=$rc)" test "$rc" -eq 1
  check "$fault: report file unchanged" cmp -s "$example" "$dir/PRIJAVA.TXT"
  check "$fault: no temporary file left" test "$(ls -A "$dir")" = "PRIJAVA.TXT"
  check "$fault: the user saw the system's description ($out)" \
    bash -c '[[ "$1" == Dorvik$'"'"'\t'"'"'?* && "$1" != *"Unknown error"* ]]' _ "$out"
done

# Without a fault the save goes through and changes only the first record.
dir="$work/none"; mkdir -p "$dir"; cp "$example" "$dir/PRIJAVA.TXT"
"$driver" "$dir/PRIJAVA.TXT" "Nova firma" >/dev/null
check "no fault: saved" test "$?" -eq 0
check "no fault: first record changed" grep -q "Nova firma" "$dir/PRIJAVA.TXT"
check "no fault: rest unchanged" cmp -s <(tail -c +150 "$example") <(tail -c +150 "$dir/PRIJAVA.TXT")

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
