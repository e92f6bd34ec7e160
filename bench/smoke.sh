#!/usr/bin/env bash
# Runs every benchmark program once on tiny lists so that the suite keeps
# building and working; checks their results, never their timings.
# Usage: bench/smoke.sh BINARY_DIR   (the folder holding vellumix_benchmarks)
set -euo pipefail
bin=$(realpath "$1")
export VELLUMIX_BENCH_SMOKE=1

log=$(mktemp /tmp/vellumix-bench-smoke-XXXXXX.log)
folder=$(mktemp -d /tmp/vellumix-bench-smoke-XXXXXX)
trap 'rm -rf "$log" "$folder"' EXIT

if ! "$bin/vellumix_benchmarks" --benchmark_min_time=0.01 >"$log" 2>&1 ||
    grep -q "ERROR OCCURRED" "$log"; then
    cat "$log" >&2
    echo "benchmark smoke run failed" >&2
    exit 1
fi
"$bin/vellumix_bench_peak_rss" >/dev/null
for program in vellumix_bench_rename vellumix_bench_rename_floor; do
    "$bin/vellumix_bench_make_files" "$folder" 100
    "$bin/$program" "$folder" x_
    renamed=$(find "$folder" -maxdepth 1 -name 'x_photo_*' | wc -l)
    [ "$renamed" -eq 100 ] || { echo "$program renamed $renamed of 100 files" >&2; exit 1; }
done
if [ -x "$bin/vellumix_bench_gui" ]; then
    QT_QPA_PLATFORM=offscreen "$bin/vellumix_bench_gui" 200 2 >/dev/null 2>&1 ||
        { echo "vellumix_bench_gui failed" >&2; exit 1; }
fi
echo "benchmark smoke run: $(grep -cE '^(compute|preview|addFiles|addFolder|rename)\/' "$log") benchmarks ran"
