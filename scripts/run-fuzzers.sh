#!/usr/bin/env bash
# Runs each libFuzzer target for SECONDS seconds; prints its runs, coverage and crashes.
# Usage: scripts/run-fuzzers.sh BUILD_DIR SECONDS
# New inputs go to BUILD_DIR/fuzz-work/TARGET/corpus; the committed corpus is only read.
set -uo pipefail

build=${1:?usage: run-fuzzers.sh BUILD_DIR SECONDS}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0

for pair in fuzz_cut_reader:cut fuzz_tmf_reader:tmf fuzz_res_table:res; do
    target=${pair%%:*}
    corpus=$root/fuzz/corpus/${pair##*:}
    exe=$build/fuzz/$target
    if [ ! -x "$exe" ]; then
        echo "$target: not built (configure with -DQUILLON_FUZZ=ON)"
        status=1
        continue
    fi
    work=$build/fuzz-work/$target
    rm -rf "$work/artifacts"
    mkdir -p "$work/corpus" "$work/artifacts"
    log=$work/last-run.log
    "$exe" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
        "$work/corpus" "$corpus" >"$log" 2>&1
    rc=$?

    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    last=$(grep -E '^#[0-9]+' "$log" | tail -1)
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
    crashes=$(find "$work/artifacts" -type f | wc -l)
    echo "$target: runs ${runs:-?}, cov ${cov:-?}, ft ${ft:-?}, corpus $(find "$work/corpus" -type f | wc -l) files, crashes $crashes (exit $rc)"
    if [ "$rc" -ne 0 ] || [ "$crashes" -ne 0 ]; then
        status=1
        find "$work/artifacts" -type f -printf '  %p\n'
        grep -m1 -E 'ERROR|broken:' "$log" | sed 's/^/  /'
        echo "  full log: $log"
    fi
done
exit $status
