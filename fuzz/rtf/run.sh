#!/usr/bin/env bash
# Builds the RTF fuzz target with clang (address and undefined sanitizers) in build-fuzz and runs it
# for SECONDS seconds (default 60) on the seed corpus. New inputs go to build-fuzz, not the tree.
# A fixed seed keeps CI runs repeatable: a slower machine covers a prefix of a faster one's run.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-fuzz"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DKESTRANE_BUILD_FUZZ=ON \
  -DKESTRANE_BUILD_TESTS=OFF -DKESTRANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target rtf_fuzz -j2

work="$build/fuzz-rtf-work"
mkdir -p "$work" "$build/fuzz-rtf-crashes"
# Qt keeps caches (fonts, image plugins) for the life of the process: not leaks of ours.
export ASAN_OPTIONS=detect_leaks=0
export QT_QPA_PLATFORM=offscreen
export QT_LOGGING_RULES="qt.gui.imageio*=false"
"$build/fuzz/rtf/rtf_fuzz" "$work" "$root/fuzz/rtf/corpus" "$root/tests/rtf/corpus" \
  -seed="${KESTRANE_FUZZ_SEED:-1}" -max_total_time="$seconds" -max_len=65536 -timeout=20 -rss_limit_mb=2048 \
  -artifact_prefix="$build/fuzz-rtf-crashes/" -print_final_stats=1
