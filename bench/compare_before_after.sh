#!/usr/bin/env bash
# Two builds of the batch rename side by side with the floor, in one run: the
# same COUNT (default 10,000) freshly made files get the prefix "x_" from the
# view model of BEFORE and of AFTER, and from the loop of renameat2 calls
# relative to one folder handle (the floor). Then the same with the prefix
# "a/", which every file refuses (a name can't contain "/"): the cost of a
# batch of failures, their report included.
#
# Usage: bench/compare_before_after.sh BEFORE_BIN AFTER_BIN
#   (each a bench folder of the Release preset, e.g. build/bench/bench)
# Environment: COUNT (default 10000), RUNS (timed runs per tool, default 15).
set -euo pipefail
before=$(realpath "$1")
after=$(realpath "$2")
count=${COUNT:-10000}
runs=${RUNS:-15}
command -v hyperfine >/dev/null || { echo "hyperfine is missing: scripts/install-deps --with-display-tools" >&2; exit 1; }
folder=$(mktemp -d /tmp/vellumix-before-after-XXXXXX)
trap 'rm -rf "$folder"' EXIT
make="$after/vellumix_bench_make_files $folder $count"

echo "Batch rename of $count files, all renamed:"
hyperfine --style basic --warmup 1 --runs "$runs" --prepare "$make" \
    -n before "$before/vellumix_bench_rename $folder x_" \
    -n after "$after/vellumix_bench_rename $folder x_" \
    -n floor "$after/vellumix_bench_rename_floor --folder-handle $folder x_"
echo "Batch rename of $count files, every one refused:"
hyperfine --style basic --warmup 1 --runs "$runs" --prepare "$make" --ignore-failure \
    -n before "$before/vellumix_bench_rename $folder a/" \
    -n after "$after/vellumix_bench_rename $folder a/"
