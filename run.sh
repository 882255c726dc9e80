#!/usr/bin/env bash
# Sets up, builds and opens the editor on the given car file, by default on
# the example car.
set -euo pipefail

# A relative path means relative to where run.sh was started.
file=""
if [ $# -ge 1 ]; then
    case "$1" in
        /*) file="$1" ;;
        *) file="$PWD/$1" ;;
    esac
fi
cd "$(dirname "$0")"

scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)" --target rigwright >/dev/null

file="${file:-examples/sample-car.ini}"
exec build/release/src/shell/rigwright "$file"
