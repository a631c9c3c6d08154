#!/usr/bin/env bash
# Sets up what is missing, builds Dorvik and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target dorvik dorvik-check
exec build/src/app/dorvik "$@"
