#!/usr/bin/env bash
# Sets up, builds from scratch and runs every test: a normal build with the
# default compiler, a build with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a replay of the fuzz corpus. Both builds
# treat warnings as errors.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Formatting"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

echo "== Build and test"
rm -rf build/release
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRIGWRIGHT_WERROR=ON >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

echo "== Build with clang and test under AddressSanitizer and UndefinedBehaviorSanitizer"
rm -rf build/sanitize
CC=clang CXX=clang++ cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug \
    -DRIGWRIGHT_SANITIZE=ON -DRIGWRIGHT_WERROR=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

echo "== Replay the fuzz corpus"
scripts/fuzz.sh 0

echo "All tests passed."
