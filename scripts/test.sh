#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-layers.sh
jobs=$(nproc)
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS=-Werror >/dev/null
cmake --build build-test -j"$jobs"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure -j"$jobs"
# A brief fuzzing run of the RTF reader on every run.
if [ -x fuzz/rtf/run.sh ]; then
  fuzz/rtf/run.sh "${KESTRANE_FUZZ_SECONDS:-60}"
fi
