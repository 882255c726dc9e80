#!/usr/bin/env bash
# Builds the fuzz targets (the configuration tree; the document with its
# forms) with clang and runs them, one after the other.
#   scripts/fuzz.sh SECONDS [TARGET [FOLDER]]
#       fuzz each target (or only TARGET: tree, document) that long, from the
#       seeds; with FOLDER, from and into that folder, so that a long run can
#       go on where the last one stopped (it gets the seeds on first use)
#   scripts/fuzz.sh 0                  replay the seed corpus once (also: replay)
# New inputs go to a scratch folder or FOLDER, never into tests/fuzz/corpus.
# A failing input is kept as build/fuzz/artifacts/crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."

mode="${1:-60}"
if [ "$mode" = "replay" ]; then
    mode=0
fi
targets="${2:-tree document}"
kept="${3:-}"
if ! [[ "$mode" =~ ^[0-9]+$ ]] || { [ -n "$kept" ] && [[ "$targets" == *" "* ]]; }; then
    echo "usage: scripts/fuzz.sh SECONDS|replay [tree|document [FOLDER]]" >&2
    exit 2
fi

build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRIGWRIGHT_FUZZ=ON -DRIGWRIGHT_GUI=OFF -DRIGWRIGHT_TESTS=OFF >/dev/null
mkdir -p "$build/artifacts"

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

for target in $targets; do
    cmake --build "$build" -j "$(nproc)" --target "fuzz_$target" >/dev/null
    fuzzer="$PWD/$build/tests/fuzz/fuzz_$target"
    if [ "$mode" -eq 0 ]; then
        # Each seed runs once; any failure ends the run with a nonzero status.
        log="$build/replay-$target.log"
        if ! "$fuzzer" -artifact_prefix="$build/artifacts/" tests/fuzz/corpus/* >"$log" 2>&1; then
            cat "$log" >&2
            echo "fuzz replay of $target failed" >&2
            exit 1
        fi
        echo "fuzz replay of $target: $(ls tests/fuzz/corpus | wc -l) seeds passed"
        continue
    fi
    corpus="${kept:-$(mktemp -d "${TMPDIR:-/tmp}/rigwright-fuzz.XXXXXX")}"
    mkdir -p "$corpus"
    cp -n tests/fuzz/corpus/* "$corpus/"
    status=0
    "$fuzzer" -max_total_time="$mode" -max_len=4096 -timeout=20 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/" "$corpus" || status=$?
    if [ -z "$kept" ]; then
        rm -rf "$corpus"
    fi
    if [ "$status" -ne 0 ]; then
        exit "$status"
    fi
done
