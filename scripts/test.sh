#!/usr/bin/env bash
# Builds, then runs every test headless.
#   scripts/test.sh              the normal build in ./build
#   scripts/test.sh --sanitize   the whole suite again, built in ./build-sanitize with the address
#                                and undefined-behaviour sanitizers; any report fails its test
# RPQ_JOBS limits the parallel compile jobs and the tests run at once (one per processor by default).
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
folder=build
configure=()
if [ "${1:-}" = --sanitize ]; then
  folder=build-sanitize
  configure=(-DRPQ_SANITIZE=ON)
  export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1"
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
elif [ $# -gt 0 ]; then
  echo "usage: scripts/test.sh [--sanitize]" >&2
  exit 2
fi
scripts/build.sh "$folder" "${configure[@]}"
cd "$folder"
ctest --output-on-failure -j"${RPQ_JOBS:-$(nproc)}" --timeout 300
