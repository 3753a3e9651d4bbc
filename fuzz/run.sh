#!/usr/bin/env bash
# fuzz/run.sh NAME [SECONDS]: builds the fuzz target NAME_fuzz with clang (address and undefined
# sanitizers) in build-fuzz and runs it for SECONDS seconds (default 60) on fuzz/NAME/corpus.
# fuzz/NAME/seeds may list further corpus folders (one per line, relative to the project root) and
# fuzz/NAME/options further libFuzzer flags (one per line). New inputs go to build-fuzz, not the tree.
# A fixed seed keeps CI runs repeatable: a slower machine covers a prefix of a faster one's run.
set -euo pipefail
name=$1
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
dir="$root/fuzz/$name"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DKESTRANE_BUILD_FUZZ=ON \
  -DKESTRANE_BUILD_TESTS=OFF -DKESTRANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target "${name}_fuzz" -j"$(nproc)"

work="$build/fuzz-$name-work"
mkdir -p "$work" "$build/fuzz-$name-crashes"
corpora=("$dir/corpus")
if [ -f "$dir/seeds" ]; then
  while read -r seed; do
    [ -n "$seed" ] && corpora+=("$root/$seed")
  done <"$dir/seeds"
fi
options=(-max_len=65536 -timeout=20 -rss_limit_mb=2048)
if [ -f "$dir/options" ]; then
  while read -r option; do
    [ -n "$option" ] && options+=("$option")
  done <"$dir/options"
fi
# Qt keeps caches (fonts, image plugins) for the life of the process: not leaks of ours.
export ASAN_OPTIONS=detect_leaks=0
export QT_QPA_PLATFORM=offscreen
export QT_LOGGING_RULES="qt.gui.imageio*=false"
"$build/fuzz/$name/${name}_fuzz" "$work" "${corpora[@]}" \
  -seed="${KESTRANE_FUZZ_SEED:-1}" -max_total_time="$seconds" "${options[@]}" \
  -artifact_prefix="$build/fuzz-$name-crashes/" -print_final_stats=1
