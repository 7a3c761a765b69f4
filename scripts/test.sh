#!/usr/bin/env bash
# Sets up, builds and runs every test of Vorelan. With --sanitize, the build
# and the tests run under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

options=(-DVORELAN_WERROR=ON -DVORELAN_BUILD_BENCH=ON)
export BUILD_DIR=build
if [ "${1:-}" = "--sanitize" ]; then
  options+=(-DVORELAN_SANITIZE=ON)
  export BUILD_DIR=build-sanitize BUILD_TYPE=Debug
  export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
scripts/build.sh "${options[@]}"
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
