#!/usr/bin/env bash
# Time and peak memory of the command line's check, set and resave and of the
# editor's start (load, modified check, Calculations, Save As) on each file of
# scripts/hostile-corpus.py, at SCALE (default 9: about half a million gears
# or wings, within the line limit), with the peak as a multiple of the file.
#   scripts/bench-hostile.sh [SCALE]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DRIGWRIGHT_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target rigwright-cli load_at_start >/dev/null
cli="$build/src/cli/rigwright-cli"
editor="$build/bench/load_at_start"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 scripts/hostile-corpus.py "$work/corpus" "${1:-9}"

# "SECONDS PEAK_KIB" of one run.
measure() {
    /usr/bin/time -f '%e %M' "$@" 2>&1 >/dev/null | tail -1
}

# The peak (KiB) as a multiple of the file's bytes; small files round up.
ratio() {
    awk -v p="$1" -v s="$2" 'BEGIN { print p * 1024 / (s + 1) }'
}

printf '%-28s %9s %20s %20s %20s %20s\n' file MiB check set resave editor
for file in "$work"/corpus/*.ini; do
    size=$(stat -c %s "$file")
    cp "$file" "$work/copy.ini"
    row=$(printf '%-28.28s %9.1f' "$(basename "$file" .ini)" "$(awk -v s="$size" 'BEGIN { print s / 1048576 }')")
    for run in "check $file" "set $work/copy.ini car.name Bench" "resave $file $work/out.ini"; do
        # shellcheck disable=SC2086
        read -r seconds peak < <(measure "$cli" $run)
        row+=$(printf ' %7.2f s %6.0fx mem' "$seconds" "$(ratio "$peak" "$size")")
    done
    read -r seconds peak < <(QT_QPA_PLATFORM=offscreen measure "$editor" "$file" "$work/out.ini")
    row+=$(printf ' %7.2f s %6.0fx mem' "$seconds" "$(ratio "$peak" "$size")")
    echo "$row"
done
