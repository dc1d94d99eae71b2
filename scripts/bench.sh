#!/usr/bin/env bash
# Builds the Release tree (build/, through scripts/build.sh) and runs the benchmark programs,
# printing their figures. With program names (bench_album bench_encoder ...) only those run.
# Every album target runs in a process of its own, so that the peak memory it reports is its
# own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
bench_dir=$root/build/bench
export QT_QPA_PLATFORM=offscreen

programs=("$@")
if ((${#programs[@]} == 0)); then
    for program in "$bench_dir"/bench_*; do
        [[ -f "$program" && -x "$program" ]] && programs+=("$(basename "$program")")
    done
fi

for name in "${programs[@]}"; do
    program=$bench_dir/$name
    if [[ ! -x "$program" ]]; then
        echo "error: no benchmark program $program" >&2
        exit 1
    fi
    if [[ "$name" == bench_album ]]; then
        mapfile -t targets < <("$program" --benchmark_list_tests=true)
        for target in "${targets[@]}"; do
            echo "== $name $target"
            "$program" --benchmark_filter="^${target}\$"
        done
    else
        echo "== $name"
        "$program"
    fi
done
