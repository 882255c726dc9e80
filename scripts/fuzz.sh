#!/usr/bin/env bash
# Builds the configuration tree's fuzz target with clang and runs it.
#   scripts/fuzz.sh SECONDS   fuzz for that long, starting from the seed corpus
#   scripts/fuzz.sh 0         replay the seed corpus once (also: replay)
# New inputs go to a scratch folder, never into tests/fuzz/corpus. A failing
# input is kept as build/fuzz/artifacts/crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."

mode="${1:-60}"
if [ "$mode" = "replay" ]; then
    mode=0
fi
if ! [[ "$mode" =~ ^[0-9]+$ ]]; then
    echo "usage: scripts/fuzz.sh SECONDS|replay" >&2
    exit 2
fi

build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRIGWRIGHT_FUZZ=ON -DRIGWRIGHT_GUI=OFF -DRIGWRIGHT_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_tree >/dev/null
fuzzer="$PWD/$build/tests/fuzz/fuzz_tree"
mkdir -p "$build/artifacts"

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

if [ "$mode" -eq 0 ]; then
    # Each seed runs once; any failure ends the run with a nonzero status.
    log="$build/replay.log"
    if ! "$fuzzer" -artifact_prefix="$build/artifacts/" tests/fuzz/corpus/* >"$log" 2>&1; then
        cat "$log" >&2
        echo "fuzz replay failed" >&2
        exit 1
    fi
    echo "fuzz replay: $(ls tests/fuzz/corpus | wc -l) seeds passed"
    exit 0
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/rigwright-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cp tests/fuzz/corpus/* "$scratch/"
"$fuzzer" -max_total_time="$mode" -max_len=4096 -timeout=20 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/" "$scratch"
