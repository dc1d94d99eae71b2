#!/usr/bin/env bash
# Builds every libFuzzer target in build-san/ (the tree scripts/sanitize.sh tests), replays
# each target's saved corpus (tests/fuzz/corpus/<target>/) input by input, then fuzzes each
# for FUZZ_SECONDS (default 10) starting from that corpus. New inputs go to
# build-san/fuzz/new/<target>/, never into the committed corpus; a finding leaves its input in
# build-san/fuzz/findings/<target>/ and fails the script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/sanitizer_env.sh
source "$root/scripts/sanitizer_env.sh"
seconds=${FUZZ_SECONDS:-10}

corpus_root=$root/tests/fuzz/corpus
work=$root/build-san/fuzz
names=()
for dir in "$corpus_root"/*/; do
    names+=("$(basename "$dir")")
done

started=$SECONDS
configure_sanitizer_tree
cmake --build "$root/build-san" --parallel "$(nproc)" --target "${names[@]/#/fuzz_}"
built=$SECONDS

passed=0
failed=0
for name in "${names[@]}"; do
    fuzzer=$root/build-san/tests/fuzz/fuzz_$name
    mkdir -p "$work/new/$name" "$work/findings/$name"
    log=$work/$name.log

    if ! "$fuzzer" "$corpus_root/$name"/* >"$log.replay" 2>&1; then
        echo "fuzz_$name: replay of the saved corpus FAILED; log: $log.replay"
        tail -n 40 "$log.replay"
        failed=$((failed + 1))
        continue
    fi

    if "$fuzzer" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
        -artifact_prefix="$work/findings/$name/" "$work/new/$name" "$corpus_root/$name" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
        echo "fuzz_$name: corpus replayed ($(ls "$corpus_root/$name" | wc -l) inputs), ${runs:-?} runs in ${seconds} s, ${cov:-cov: ?}, no finding"
        passed=$((passed + 1))
    else
        echo "fuzz_$name: FINDING; log: $log, input in $work/findings/$name/"
        tail -n 60 "$log"
        failed=$((failed + 1))
    fi
done
echo "fuzz build: $((built - started)) s, replay and runs: $((SECONDS - built)) s"
echo "fuzz: $passed passed, $failed failed"
((failed == 0))
