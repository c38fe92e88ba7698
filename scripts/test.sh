#!/usr/bin/env bash
# Sets up what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, warnings as errors, and runs every test under
# Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh --test
mkdir -p build/test
# Quiet when all goes well; the whole log when the build fails.
if ! { cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DVELT_SANITIZE=ON -DVELT_WERROR=ON &&
       cmake --build build/test -j"$(nproc)"; } >build/test/build.log 2>&1; then
  cat build/test/build.log >&2
  exit 1
fi
export QT_QPA_PLATFORM=offscreen
cd build/test
ctest --output-on-failure "$@"
