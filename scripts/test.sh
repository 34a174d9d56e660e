#!/usr/bin/env bash
# Builds, then runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
scripts/build.sh
cd build
ctest --output-on-failure -j"$(nproc)" --timeout 300
