#!/usr/bin/env bash
# Installs a build into a fresh staging folder (DESTDIR, prefix /usr) and checks
# that exactly the expected files land in their standard places under the one
# application id, that they name each other correctly, and that the installed
# menu entry and AppStream metadata pass their validators (when installed).
#
#   check_install.sh CMAKE BUILD_DIR STAGING_DIR VERSION
set -euo pipefail

cmake=$1
build=$2
staging=$3
version=$4
id=org.vellumix.Vellumix

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$staging"
DESTDIR="$staging" "$cmake" --install "$build" --prefix /usr >/dev/null

# Exactly these files, nothing more (no headers, libraries or test programs).
expected=$(sort <<EOF
usr/bin/vellumix
usr/share/applications/$id.desktop
usr/share/doc/vellumix/changelog.gz
usr/share/doc/vellumix/copyright
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/64x64/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/kio/servicemenus/$id.servicemenu.desktop
usr/share/man/man1/vellumix.1.gz
usr/share/metainfo/$id.metainfo.xml
usr/share/nemo/actions/$id.nemo_action
EOF
)
installed=$(cd "$staging" && find . -type f -o -type l | sed 's|^\./||' | sort)
if [ "$installed" != "$expected" ]; then
    fail "installed files differ from the expected ones:"
    diff <(echo "$expected") <(echo "$installed") >&2 || true
fi

[ -x "$staging/usr/bin/vellumix" ] || fail "usr/bin/vellumix is not executable"
# Only the program is executable (Debian's policy for data files).
executables=$(cd "$staging" && find . -type f -perm /111 | sed 's|^\./||')
[ "$executables" = usr/bin/vellumix ] || fail "executable besides usr/bin/vellumix: $executables"

# The files refer to each other by the one id.
desktop="$staging/usr/share/applications/$id.desktop"
metainfo="$staging/usr/share/metainfo/$id.metainfo.xml"
servicemenu="$staging/usr/share/kio/servicemenus/$id.servicemenu.desktop"
nemo="$staging/usr/share/nemo/actions/$id.nemo_action"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry's Icon is not $id"
grep -qx "Exec=vellumix %F" "$desktop" || fail "the menu entry does not run 'vellumix %F'"
grep -qx "MimeType=inode/directory;" "$desktop" || fail "the menu entry does not open folders"
grep -qx "Icon=$id" "$servicemenu" || fail "the service menu's Icon is not $id"
grep -qx "Exec=vellumix %F" "$servicemenu" || fail "the service menu does not run 'vellumix %F'"
for line in "Icon-Name=$id" "Exec=vellumix %F" "Quote=double" "Selection=notnone" \
    "Extensions=any;"; do
    grep -qx "$line" "$nemo" || fail "the Nemo action lacks '$line'"
done
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q "<binary>vellumix</binary>" "$metainfo" || fail "the metainfo does not provide vellumix"
grep -q "<screenshot type=\"default\">" "$metainfo" || fail "the metainfo has no default screenshot"

# Compressed as Debian wants them; the changelog's latest entry is this version.
manual="$staging/usr/share/man/man1/vellumix.1.gz"
changelog="$staging/usr/share/doc/vellumix/changelog.gz"
gzip -t "$manual" "$changelog" || fail "the manual page or the changelog is not gzip data"
gzip -dc "$manual" | grep -q '^\.SH NAME' || fail "the manual page has no NAME section"
latest=$(gzip -dc "$changelog" | head -n 1)
[[ $latest == "vellumix ($version) "* ]] ||
    fail "the changelog's latest entry is '$latest', not version $version"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
else
    echo "desktop-file-validate not installed: the menu entry is not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
else
    echo "appstreamcli not installed: the metainfo is not validated"
fi

rm -rf "$staging"
[ "$failures" -eq 0 ] || exit 1
echo "installed files are in place and valid"
