#!/usr/bin/env bash
# Side-by-side batch rename: the same COUNT (default 10,000) freshly made
# files get the prefix "x_", in one folder under /tmp, by
#   vellumix   - the view model: add the folder, Add Prefix, apply the rename
#   renameat2  - a bare loop of renameat2(RENAME_NOREPLACE) over the same moves (the floor)
#   perl       - Perl's rename utility: rename 's/^/x_/' *
# hyperfine recreates the files before every run (--prepare, not timed) and
# times whole processes. Prints hyperfine's table, then the medians and ratios.
#
# Usage: bench/compare_rename.sh [BINARY_DIR]   (default build/bench/bench)
# Environment: COUNT (files), RUNS (timed runs per command, default 10).
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(realpath "${1:-build/bench/bench}")
count=${COUNT:-10000}
runs=${RUNS:-10}

for tool in hyperfine; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/install-deps --with-display-tools" >&2; exit 1; }
done
# Debian's Perl rename is "file-rename" (also "rename" through alternatives);
# util-linux's rename takes other arguments and would not do.
perl_rename=$(command -v file-rename || true)
if [ -z "$perl_rename" ] && rename --version 2>/dev/null | grep -q File::Rename; then
    perl_rename=$(command -v rename)
fi
[ -n "$perl_rename" ] || { echo "Perl rename is missing: scripts/install-deps --with-display-tools" >&2; exit 1; }

folder=$(mktemp -d /tmp/vellumix-compare-XXXXXX)
csv=$(mktemp /tmp/vellumix-compare-XXXXXX.csv)
trap 'rm -rf "$folder" "$csv"' EXIT

hyperfine --style basic --warmup 1 --runs "$runs" \
    --prepare "$bin/vellumix_bench_make_files $folder $count" \
    --export-csv "$csv" \
    -n vellumix "$bin/vellumix_bench_rename $folder x_" \
    -n renameat2 "$bin/vellumix_bench_rename_floor $folder x_" \
    -n perl "cd $folder && $perl_rename 's/^/x_/' *"

# The last run left COUNT files, every one renamed.
renamed=$(find "$folder" -maxdepth 1 -name 'x_photo_*' | wc -l)
[ "$renamed" -eq "$count" ] || { echo "expected $count renamed files, found $renamed" >&2; exit 1; }

echo
echo "Batch rename of $count files, median of $runs runs (whole processes):"
awk -F, '
    NR == 1 { for (i = 1; i <= NF; i++) col[$i] = i; next }
    { median[$1] = $col["median"] * 1000 }
    END {
        printf "  %-10s %9.1f ms\n", "vellumix", median["vellumix"]
        printf "  %-10s %9.1f ms\n", "renameat2", median["renameat2"]
        printf "  %-10s %9.1f ms\n", "perl", median["perl"]
        printf "  vellumix / renameat2 = %.2f   (target <= 1.30)\n", median["vellumix"] / median["renameat2"]
        printf "  vellumix / perl      = %.2f   (target < 1.00)\n", median["vellumix"] / median["perl"]
    }' "$csv"
