#!/usr/bin/env bash
# Side-by-side batch rename: the same COUNT (default 10,000) freshly made
# files get the prefix "x_", in one folder under /tmp, by
#   vellumix   - the view model: add the folder, Add Prefix, apply the rename
#   renameat2  - a bare loop of renameat2(RENAME_NOREPLACE) on absolute paths over the same moves
#   handle     - the same loop relative to one handle of the folder (the floor: what the engine does)
#   perl       - Perl's rename utility: rename 's/^/x_/' *
# hyperfine recreates the files before every run (--prepare, not timed) and
# times whole processes. Prints each round's medians and the ratios.
#
# Usage: bench/compare_rename.sh [BINARY_DIR]   (default build/bench/bench)
# Environment: COUNT (files, default 10000), ROUNDS (default 7), RUNS (timed
# runs per tool and round, default 3).
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(realpath "${1:-build/bench/bench}")
count=${COUNT:-10000}
runs=${RUNS:-3}
rounds=${ROUNDS:-7}

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
results=$(mktemp -d /tmp/vellumix-compare-results-XXXXXX)
trap 'rm -rf "$folder" "$results"' EXIT

# The machine may be shared: ROUNDS short rounds, each timing the four tools
# one after the other, so that a change of load hits all three alike; the
# ratios are taken within each round, then their median over the rounds.
for round in $(seq "$rounds"); do
    hyperfine --style none --warmup 1 --runs "$runs" \
        --prepare "$bin/vellumix_bench_make_files $folder $count" \
        --export-csv "$results/round$round.csv" \
        -n vellumix "$bin/vellumix_bench_rename $folder x_" \
        -n renameat2 "$bin/vellumix_bench_rename_floor $folder x_" \
        -n handle "$bin/vellumix_bench_rename_floor --folder-handle $folder x_" \
        -n perl "cd $folder && $perl_rename 's/^/x_/' *" >/dev/null 2>"$results/hyperfine.log" ||
        { cat "$results/hyperfine.log" >&2; exit 1; }
    # The last run left COUNT files, every one renamed.
    renamed=$(find "$folder" -maxdepth 1 -name 'x_photo_*' | wc -l)
    [ "$renamed" -eq "$count" ] || { echo "expected $count renamed files, found $renamed" >&2; exit 1; }
done

echo "Batch rename of $count files: median of $rounds rounds, each the median of $runs runs (whole processes):"
awk -F, '
    FNR == 1 { for (i = 1; i <= NF; i++) col[$i] = i; round++; next }
    { ms[round, $1] = $col["median"] * 1000 }
    function median(values, n,    i, j, t) {
        for (i = 2; i <= n; i++) for (j = i; j > 1 && values[j - 1] > values[j]; j--) {
            t = values[j]; values[j] = values[j - 1]; values[j - 1] = t
        }
        return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
    }
    END {
        printf "  %-6s %10s %10s %10s %10s %9s %9s %9s\n", "round", "vellumix", "renameat2", "handle", "perl", "v/path", "v/handle", "v/perl"
        for (r = 1; r <= round; r++) {
            v[r] = ms[r, "vellumix"]; f[r] = ms[r, "renameat2"]; h[r] = ms[r, "handle"]; p[r] = ms[r, "perl"]
            vf[r] = v[r] / f[r]; vh[r] = v[r] / h[r]; vp[r] = v[r] / p[r]
            printf "  %-6d %7.1f ms %7.1f ms %7.1f ms %7.1f ms %9.2f %9.2f %9.2f\n", r, v[r], f[r], h[r], p[r], vf[r], vh[r], vp[r]
        }
        printf "  %-6s %7.1f ms %7.1f ms %7.1f ms %7.1f ms %9.2f %9.2f %9.2f\n", "median",
            median(v, round), median(f, round), median(h, round), median(p, round), median(vf, round), median(vh, round), median(vp, round)
        printf "  vellumix / renameat2 loop     = %.2f   (target <= 1.00)\n", median(vf, round)
        printf "  vellumix / folder-handle loop = %.2f   (the floor)\n", median(vh, round)
        printf "  vellumix / perl               = %.2f   (target < 1.00)\n", median(vp, round)
    }' $(ls "$results"/round*.csv | sort -V)
