#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ in ./build-fuzz (clang, sanitizers, ccache when
# installed) and runs one target, or every target one after another, for the given seconds
# (60 by default). Each run works on a copy of its seed corpus (fuzz/corpus/<target>), so the
# committed seeds stay small; what it finds goes to build-fuzz/crashes/<target>/.
#   scripts/fuzz.sh                   every target, 60 seconds each
#   scripts/fuzz.sh tsql 300          one target for five minutes
# RPQ_JOBS limits the parallel compile jobs. The exit status is 1 when any run found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
target="${1:-all}"
seconds="${2:-60}"

launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DRPQ_FUZZ=ON \
  "${launcher[@]}" >/dev/null
if [ "$target" = all ]; then
  targets=$(sed -n 's/^rpq_fuzz_target(\([a-z_]*\).*/\1/p' fuzz/CMakeLists.txt)
  cmake --build build-fuzz -j"${RPQ_JOBS:-$(nproc)}" --target rpq_fuzz
else
  targets="$target"
  cmake --build build-fuzz -j"${RPQ_JOBS:-$(nproc)}" --target "fuzz_$target"
fi

export QT_QPA_PLATFORM=offscreen
failed=0
for name in $targets; do
  work="build-fuzz/work/$name"
  crashes="build-fuzz/crashes/$name"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/tmp" "$crashes"
  cp -r "fuzz/corpus/$name/." "$work/corpus/" 2>/dev/null || true
  options=(-max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -print_final_stats=1
           -artifact_prefix="$crashes/")
  [ -f "fuzz/dict/$name.dict" ] && options+=(-dict="fuzz/dict/$name.dict")
  echo "== $name: ${seconds}s, log in $work/log"
  # The target's own files (a fault ends it before it can remove them) stay below its work folder.
  if TMPDIR="$PWD/$work/tmp" build-fuzz/fuzz/fuzz_"$name" "${options[@]}" "$work/corpus" >"$work/log" 2>&1; then
    { grep -E '^#[0-9]+[[:space:]]+DONE' "$work/log" || true; } | tail -1 | sed 's/^/   /'
  else
    failed=1
    echo "   FOUND a fault: $(ls -t "$crashes" | head -1)"
    { grep -E 'ERROR|runtime error|Fatal|error in line' "$work/log" || true; } | head -3 | sed 's/^/   /'
  fi
done
exit $failed
