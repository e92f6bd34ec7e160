#!/usr/bin/env bash
# Prints the measured medians next to their targets, from the files that
# scripts/bench writes. Usage: bench/summarize.sh RESULTS_DIR
set -euo pipefail
out=$1

printf '%-44s %12s %10s  %s\n' "what" "median" "target" "met"
awk '
    BEGIN {
        target["preview/addPrefix"] = 40
        target["preview/replace"] = 80
        target["preview/regexReplace"] = 150
        target["preview/caseChange"] = 120
        target["preview/caseChange.titleCase"] = 120
        target["preview/cleanUp"] = 120
        target["preview/addDate"] = 250
        target["addFiles/new"] = 150
    }
    $1 ~ /_median$/ {
        name = $1; sub(/_median$/, "", name); sub(/\/process_time\/real_time$/, "", name)
        key = name; sub(/\/(ascii|unicode)?\/?[0-9]+$/, "", key)
        if (!(key in target) || name !~ /100000$/) next
        ms = $2; if ($3 == "us") ms /= 1000; if ($3 == "ns") ms /= 1e6; if ($3 == "s") ms *= 1000
        printf "%-44s %9.1f ms %7d ms  %s\n", name, ms, target[key], ms <= target[key] ? "yes" : "NO"
    }' "$out/benchmarks.txt"
awk '/^(addFolder|addFiles\/alreadyListed|rename)\/.*_median/ {
        name = $1; sub(/_median$/, "", name); sub(/\/process_time\/real_time$/, "", name)
        printf "%-44s %9.1f ms\n", name, $2 }' \
    "$out/benchmarks.txt"
grep -E "peak RSS with the list" "$out/peak_rss.txt" | sed 's/^/view model, 100,000 files, /'
grep -E "^  vellumix /" "$out/compare_rename.txt" | sed 's/^  /batch rename, 10,000 files: /'
for count in 10000 100000; do
    [ -f "$out/gui_$count.txt" ] || continue
    target=$([ "$count" = 10000 ] && echo 16 || echo 150)
    awk -v count="$count" -v target="$target" '/table model refreshed/ {
        ms = $7; printf "%-44s %9.1f ms %7d ms  %s\n", "window: edit -> table, " count " files", ms, target, ms <= target ? "yes" : "NO" }' \
        "$out/gui_$count.txt"
done
if [ -f "$out/gui_100000.txt" ]; then
    awk '/peak RSS, window with the files/ {
        mib = $(NF-1); printf "%-44s %8.1f MiB %6d MiB  %s\n", "window: peak RSS, 100000 files", mib, 150, mib <= 150 ? "yes" : "NO" }' \
        "$out/gui_100000.txt"
fi
