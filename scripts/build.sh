#!/usr/bin/env bash
# Configures and builds the whole project in ./build (Ninja, warnings on), or in the folder given
# first, with any further arguments passed to CMake's configure step:
#   scripts/build.sh                                   the normal build in ./build
#   scripts/build.sh build-sanitize -DRPQ_SANITIZE=ON  the sanitizer build (scripts/test.sh --sanitize)
# RPQ_JOBS limits the parallel compile jobs (default: one per processor). ccache is used when
# installed, with paths taken relative to the source folder so that clones share its cache.
# Headers are not precompiled: here their 160 to 190 MB per target made a cold build cost
# nearly twice the processor time, and every cache hit hashed them again.
set -euo pipefail
cd "$(dirname "$0")/.."
folder="${1:-build}"
shift || true
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRPQ_PCH=OFF "${launcher[@]}" "$@" >/dev/null
cmake --build "$folder" -j"${RPQ_JOBS:-$(nproc)}"
