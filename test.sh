#!/usr/bin/env bash
# Sets up what is missing of what the tests need, builds Dorvik with its tests
# and runs every test: once in a plain build, once under AddressSanitizer and
# UndefinedBehaviorSanitizer (a sanitizer report fails the run), unless
# DORVIK_SKIP_SANITIZERS=1. Every test's tools are required: none is left out.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --tests
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORVIK_BUILD_TESTS=ON -DDORVIK_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

if [ "${DORVIK_SKIP_SANITIZERS:-0}" != 1 ]; then
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DDORVIK_SANITIZE=ON -DDORVIK_BUILD_TESTS=ON \
    -DDORVIK_WERROR=ON >/dev/null
  cmake --build build-sanitize -j"$jobs"
  # verify_asan_link_order=0: some tests run the batch checker under faketime,
  # which is preloaded ahead of the sanitizer runtime.
  export ASAN_OPTIONS="abort_on_error=0:halt_on_error=1:detect_leaks=1:verify_asan_link_order=0"
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  (cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")
fi
