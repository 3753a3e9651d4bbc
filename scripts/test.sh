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
  # Undefined behaviour fails the test that meets it, and so does a leak, except those of the
  # system libraries listed in lsan.supp. Each test program joins its pool threads before it exits,
  # so the leak checker's tracer never meets a thread that is ending. KESTRANE_LSAN=0 turns it off.
  ASAN_OPTIONS=detect_leaks=${KESTRANE_LSAN:-1}:check_initialization_order=1:strict_init_order=1 \
    LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"
fi

# A brief fuzzing run of every parser of outside bytes on every run: one target per fuzz/ folder.
for dir in fuzz/*/; do
  fuzz/run.sh "$(basename "$dir")" "${KESTRANE_FUZZ_SECONDS:-60}"
done
