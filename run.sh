#!/usr/bin/env bash
# Sets up what is missing of what the program needs, builds Dorvik (without
# its tests and benchmarks) and starts it with the arguments given.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORVIK_BUILD_TESTS=OFF \
  -DDORVIK_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target dorvik dorvik-check
exec build/src/app/dorvik "$@"
