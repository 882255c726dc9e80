#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them; extra arguments go to Google
# Benchmark (for example --benchmark_filter=Read).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DRIGWRIGHT_BENCH=ON \
    -DRIGWRIGHT_GUI=OFF -DRIGWRIGHT_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target tree_bench >/dev/null
"$build/bench/tree_bench" "$@"
