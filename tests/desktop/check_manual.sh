#!/usr/bin/env bash
# Checks that the manual page shows the usage line and every option and
# argument exactly as `vellumix --help` prints them, so that the two never
# drift apart. Skipped (77) without man.
#
#   check_manual.sh PROGRAM MANUAL_PAGE
set -euo pipefail

program=$1
manual=$2
command -v man >/dev/null || { echo "man is not installed: skipped"; exit 77; }

help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE LC_ALL=C.UTF-8 "$program" --help)
# One long line per paragraph of the page, with single spaces and no hyphenation.
page=$(MANWIDTH=10000 MAN_KEEP_FORMATTING= man -E UTF-8 -l "$manual" 2>/dev/null |
    sed -E 's/^ +//; s/ +/ /g')

failures=0
# A line of the page that is, or starts with, $1 (a tag and its text may share one).
need() {
    awk -v want="$1" '$0 == want || index($0, want " ") == 1 { found = 1 } END { exit !found }' \
        <<<"$page" || {
        echo "FAIL: no line of the manual page starts with '$1'" >&2
        failures=$((failures + 1))
    }
}

# "Usage: /path/to/vellumix [options] [FILE...]" is the synopsis.
usage=$(sed -n 's|^Usage: [^ ]*vellumix |vellumix |p' <<<"$help")
need "$usage"
# Option and argument rows: "  -h, --help     Displays help ...", with the
# description continued on lines indented further.
rows=$(sed -n '/^Options:/,$p' <<<"$help" | awk '
    /^  [^ ]/ { if (row != "") print row; row = $0; next }
    /^   +[^ ]/ { sub(/^ +/, " "); row = row $0; next }
    END { if (row != "") print row }')
[ -n "$rows" ] || { echo "FAIL: --help printed no options" >&2; exit 1; }
while IFS= read -r row; do
    name=$(sed -E 's/^  ([^ ].*[^ ]|[^ ])  +.*/\1/' <<<"$row")
    description=$(sed -E 's/^  ([^ ].*[^ ]|[^ ])  +//' <<<"$row")
    # Qt names the argument "files"; the page writes it as in the usage line.
    [ "$name" != files ] || name=FILE
    need "$name"
    grep -qF -- "$description" <<<"$page" || {
        echo "FAIL: the manual page does not describe $name as '$description'" >&2
        failures=$((failures + 1))
    }
done <<<"$rows"

[ "$failures" -eq 0 ] || exit 1
echo "the manual page shows every option of --help"
