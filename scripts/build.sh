#!/usr/bin/env bash
# Configures and builds the whole project in ./build (Ninja, warnings on).
# RPQ_JOBS limits the parallel compile jobs (default: one per processor); ccache is used when
# installed, with paths taken relative to the source folder so that clones share its cache.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build -j"${RPQ_JOBS:-$(nproc)}"
