#!/usr/bin/env bash
# Sets up what is missing, builds ВЕЛТ Монитор and starts it. Arguments go to
# the program: --simulate runs it against the built-in meter simulator,
# --port /dev/ttyUSB0 names the meter's port.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
mkdir -p build/release
# Quiet when all goes well; the whole log when the build fails.
if ! { cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVELT_TESTS=OFF -DVELT_BENCH=OFF &&
       cmake --build build/release -j"$(nproc)"; } >build/release/build.log 2>&1; then
  cat build/release/build.log >&2
  exit 1
fi
exec build/release/app/velt-monitor "$@"
