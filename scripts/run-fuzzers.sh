#!/usr/bin/env bash
# Runs each libFuzzer target, starting from the corpus that fuzz/make_corpus.py generates, for
# SECONDS seconds, or for FUZZ_RUNS inputs when that is set (FUZZ_RUNS=10000000); prints its
# runs, speed, coverage and crashes.
# Usage: scripts/run-fuzzers.sh BUILD_DIR [SECONDS]
# New inputs go to BUILD_DIR/fuzz-work/TARGET/corpus; the starting ones to BUILD_DIR/fuzz-start.
set -uo pipefail

# Each target with the folder of its starting inputs (a subfolder of what make_corpus.py
# writes).
targets=(
    fuzz_cut_reader:cut
    fuzz_dog_reader:dog
    fuzz_line_files:lines
    fuzz_tmf_reader:tmf
    fuzz_res_table:res
    fuzz_game_letters:letters
    fuzz_player_view:view
    fuzz_po_reader:po
)

build=${1:?usage: run-fuzzers.sh BUILD_DIR [SECONDS]}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
start=$build/fuzz-start
status=0

rm -rf "$start"
python3 "$root/fuzz/make_corpus.py" "$start" || exit 1

if [ -n "${FUZZ_RUNS:-}" ]; then
    limit=(-runs="$FUZZ_RUNS")
    echo "each target: $FUZZ_RUNS runs"
else
    limit=(-max_total_time="$seconds")
    echo "each target: $seconds seconds"
fi

for pair in "${targets[@]}"; do
    target=${pair%%:*}
    corpus=$start/${pair##*:}
    exe=$build/fuzz/$target
    if [ ! -x "$exe" ]; then
        echo "$target: not built (configure with -DQUILLON_FUZZ=ON)"
        status=1
        continue
    fi
    if [ ! -d "$corpus" ]; then
        echo "$target: make_corpus.py wrote nothing to $corpus"
        status=1
        continue
    fi
    work=$build/fuzz-work/$target
    rm -rf "$work/artifacts"
    mkdir -p "$work/corpus" "$work/artifacts"
    log=$work/last-run.log
    "$exe" "${limit[@]}" -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
        "$work/corpus" "$corpus" >"$log" 2>&1
    rc=$?

    final() { sed -n "s/^stat::$1: *//p" "$log" | tail -1; }
    last=$(grep -E '^#[0-9]+' "$log" | tail -1)
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
    crashes=$(find "$work/artifacts" -type f | wc -l)
    echo "$target: runs $(final number_of_executed_units), $(final average_exec_per_sec) exec/s," \
        "cov ${cov:-?}, ft ${ft:-?}, corpus $(find "$work/corpus" -type f | wc -l) files," \
        "peak $(final peak_rss_mb) MB, crashes $crashes (exit $rc)"
    if [ "$rc" -ne 0 ] || [ "$crashes" -ne 0 ]; then
        status=1
        find "$work/artifacts" -type f -printf '  %p\n'
        grep -m1 -E 'ERROR|runtime error|broken:' "$log" | sed 's/^/  /'
        echo "  full log: $log"
    fi
done
exit $status
