#!/usr/bin/env bash
# Installs what is missing, builds, writes the demo disc once and starts the program on it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --demo
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRANE_BUILD_TESTS=OFF -DKESTRANE_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target kestrane-omnivar kestrane-demo-disc
if [ ! -f build/demo-disc/.complete ]; then
  rm -rf build/demo-disc
  build/kestrane-demo-disc build/demo-disc --program-folder build/demo-program
  touch build/demo-disc/.complete
fi
# The program's own files (its help) lie beside the executable; the stand-in program folder gets a copy.
mkdir -p build/demo-program && cp -r build/help build/demo-program/
export KESTRANE_DRIVES="D=$PWD/build/demo-disc"
export KESTRANE_PROGRAM_FOLDER="$PWD/build/demo-program"
exec build/kestrane-omnivar "$@"
