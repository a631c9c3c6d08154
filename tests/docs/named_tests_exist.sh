#!/usr/bin/env bash
# Fails when a document names a test (`Suite.TestName` in backquotes) that
# this build's test list does not hold, so that the docs never send a reader
# to a test that is gone or was renamed.
#
#   named_tests_exist.sh SOURCE-DIR BUILD-DIR
set -u
source_dir=$1 build_dir=$2
# A disabled test (its tool missing) is listed as "NAME (Disabled)": it exists.
listed=$(cd "$build_dir" && ctest -N | sed -n 's/^ *Test *#[0-9]*: \([^ ]*\).*/\1/p' | sort -u)
[ -n "$listed" ] || { echo "no tests listed in $build_dir"; exit 1; }
missing=0
while IFS=: read -r file name; do
  if ! grep -qxF "$name" <<<"$listed"; then
    echo "${file#"$source_dir"/} names $name, which is no test"
    missing=$((missing + 1))
  fi
done < <(grep -oE '`[A-Z][A-Za-z0-9]*[a-z][A-Za-z0-9]*\.[A-Z][A-Za-z0-9]*[a-z][A-Za-z0-9]*`' \
           "$source_dir"/*.md "$source_dir"/docs/*.md | tr -d '`' | sort -u)
[ "$missing" -eq 0 ]
