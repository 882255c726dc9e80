#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them: first Read and Save
# throughput at 1 MB and 64 MB (Google Benchmark; extra arguments go to it,
# for example --benchmark_filter=Read), then whole processes on a generated
# 32 MB car file: `rigwright-cli get` against a program that reads the same
# content's INFO twin with boost::property_tree's read_info, wall time from
# hyperfine and peak memory from /usr/bin/time.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DRIGWRIGHT_BENCH=ON \
    -DRIGWRIGHT_GUI=OFF -DRIGWRIGHT_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target tree_bench make_car info_get rigwright-cli >/dev/null
"$build/bench/tree_bench" "$@"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cli="$build/src/cli/rigwright-cli"
peer="$build/bench/info_get"
key=zz_last.probe

# Peak resident memory in KiB, the median of five runs.
peak() {
    for _ in 1 2 3 4 5; do
        /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1
    done | sort -n | sed -n 3p
}

echo
echo "Whole process, rigwright-cli get FILE $key against read_info on the twin"
for size in 8 32; do
    "$build/bench/make_car" "$size" "$work/car$size"
done
hyperfine -N --warmup 3 --runs 15 --export-csv "$work/times.csv" \
    "$cli get $work/car32.ini $key" "$peer $work/car32.info $key"

# hyperfine's CSV: command,mean,stddev,median,user,system,min,max (seconds)
read -r ours_wall ours_cpu < <(awk -F, 'NR == 2 { print $4, $5 + $6 }' "$work/times.csv")
read -r peer_wall peer_cpu < <(awk -F, 'NR == 3 { print $4, $5 + $6 }' "$work/times.csv")
ours8=$(peak "$cli" get "$work/car8.ini" "$key")
peer8=$(peak "$peer" "$work/car8.info" "$key")
ours32=$(peak "$cli" get "$work/car32.ini" "$key")
peer32=$(peak "$peer" "$work/car32.info" "$key")

awk -v ow="$ours_wall" -v oc="$ours_cpu" -v pw="$peer_wall" -v pc="$peer_cpu" \
    -v o8="$ours8" -v p8="$peer8" -v o32="$ours32" -v p32="$peer32" 'BEGIN {
    printf "\n%-34s %12s %12s %8s\n", "32 MB file", "rigwright", "read_info", "ratio"
    printf "%-34s %10.1f ms %10.1f ms %7.2fx faster\n", "wall time (median)", ow * 1000, pw * 1000, pw / ow
    printf "%-34s %10.1f ms %10.1f ms %7.2fx faster\n", "user + system time (mean)", oc * 1000, pc * 1000, pc / oc
    printf "%-34s %9.1f MiB %9.1f MiB %7.3f of the peer\n", "peak memory", o32 / 1024, p32 / 1024, o32 / p32
    printf "%-34s %9.1f MiB %9.1f MiB\n", "peak memory, 8 MB file", o8 / 1024, p8 / 1024
    printf "%-34s %12.2f %12.2f\n", "peak growth, 32 MB / (4 x 8 MB)", o32 / (4 * o8), p32 / (4 * p8)
}'
