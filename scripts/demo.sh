#!/usr/bin/env bash
# Installs what is missing, builds, writes the demo disc once and starts the program on it
# (scripts/demo.sh --image: on an ISO image of it).
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
export KESTRANE_PROGRAM_FOLDER="$PWD/build/demo-program"
# --image: the demo disc as an ISO image (Joliet and Rock Ridge names), opened as a user opens one.
if [ "${1:-}" = "--image" ]; then
  shift
  if [ ! -f build/demo-disc.iso ] || [ build/demo-disc/.complete -nt build/demo-disc.iso ]; then
    xorriso -as mkisofs -quiet -R -J -V KESTRANE -o build/demo-disc.iso.part build/demo-disc
    mv build/demo-disc.iso.part build/demo-disc.iso
  fi
  exec build/kestrane-omnivar --disc "$PWD/build/demo-disc.iso" "$@"
fi
export KESTRANE_DRIVES="D=$PWD/build/demo-disc"
exec build/kestrane-omnivar "$@"
