#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything with warnings as errors and runs
# every test headless; then builds and runs the tests again with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each fuzz target briefly.
# KESTRANE_CHECK_FORMAT=0 skips the format check; KESTRANE_ASAN=0 skips the sanitizer run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-layers.sh
if [ "${KESTRANE_CHECK_FORMAT:-1}" != 0 ]; then
  scripts/check-format.sh
fi
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS=-Werror >/dev/null
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs"

if [ "${KESTRANE_ASAN:-1}" != 0 ]; then
  # Debug with both sanitizers, as the asan preset, without the benchmarks.
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-Werror -fsanitize=address,undefined -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DKESTRANE_BUILD_BENCH=OFF >/dev/null
  cmake --build build-asan -j"$jobs"
  # Undefined behaviour fails the test that meets it. The leak checker is off by default: at the
  # exit of a test program with helper threads it has crashed in its own tracer, which would make
  # the run fail at random. KESTRANE_LSAN=1 turns it on (the system libraries' leaks listed in
  # lsan.supp are not ours).
  ASAN_OPTIONS=detect_leaks=${KESTRANE_LSAN:-0}:check_initialization_order=1:strict_init_order=1 \
    LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"
fi

# A brief fuzzing run of every parser of outside bytes on every run: one target per fuzz/ folder.
for dir in fuzz/*/; do
  fuzz/run.sh "$(basename "$dir")" "${KESTRANE_FUZZ_SECONDS:-60}"
done
