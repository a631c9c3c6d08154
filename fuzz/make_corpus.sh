#!/usr/bin/env bash
# Writes the seed corpus of every harness under the folder given (default
# fuzz/corpus): the example report file, its records one by one, the record
# the tests use, and the numbers, years and periods of the tests.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/corpus}
example=$here/../examples/PRIJAVA.TXT
mkdir -p "$out"/{fuzz_load,fuzz_check_run,fuzz_check_digits,fuzz_entry_rules}

# The record every test builds from (it passes every check).
good="9911111111811111111111111123456789""7"
good+=$(printf '%-35s' "Ime Prezime 1")$(printf '%-35s' "Firma DOO Skopje")
good+="010131121200208800015000000000000     0000"

mapfile -t records < <(tr -d '\n' <"$example" | tr '\r' '\n')
n=0
for r in "${records[@]}" "$good"; do
  n=$((n + 1))
  printf '%s\r\n' "$r" >"$out/fuzz_load/record$n"
  # The check run's first byte picks the year (2003 here).
  { printf '\x0d'; printf '%s' "$r"; } >"$out/fuzz_check_run/record$n"
  printf '%s' "${r:2:10}" >"$out/fuzz_check_digits/lb$n"
  printf '0%s' "${r:2:9}" >"$out/fuzz_check_digits/lb10-$n"
  printf '000%s' "${r:2:10}" >"$out/fuzz_check_digits/lb11-$n"
  printf '%s' "${r:12:13}" >"$out/fuzz_check_digits/mb$n"
  printf '%s' "${r:25:10}" >"$out/fuzz_check_digits/rb$n"
  printf '\x0d%s\xff%s\xff' "${r:0:2}" "${r:105:4}" >"$out/fuzz_entry_rules/record$n"
done
cp "$example" "$out/fuzz_load/example"
{ printf '\x0d'; cat "$example"; } >"$out/fuzz_check_run/example"
# Line ends of every kind, and a file of lines none of which is a record.
tr -d '\r' <"$example" >"$out/fuzz_load/lf-only"
tr -d '\n' <"$example" >"$out/fuzz_load/cr-only"
printf 'short\r\n\r\n' >"$out/fuzz_load/short-lines"

for t in 0111111118 0001111111181 1234567897 1234567890 1111111111111 0000000000006 \
         0000000000140 0000000000000 111111118 12345678a7; do
  printf '%s' "$t" >"$out/fuzz_check_digits/n$t"
done
for y in 03 04 00 70 99 69; do
  for p in 3102 0013 0000 3201 0101; do
    printf '\x03%s\xff%s\xff' "$y" "$p" >"$out/fuzz_entry_rules/y$y-p$p"
  done
done
