#!/usr/bin/env bash
# Makes the Debian package from an installed-ready build with cpack and has
# lintian check it: no error and no warning. Skipped (77) without lintian or
# dpkg-shlibdeps.
#
#   check_package.sh CPACK BUILD_DIR WORK_DIR
set -euo pipefail

cpack=$1
build=$2
work=$3
for tool in lintian dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done

rm -rf "$work"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
packages=("$work"/vellumix_*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || {
    echo "FAIL: cpack made no single vellumix_*.deb" >&2
    exit 1
}
lintian --info --fail-on error,warning "${packages[0]}" || {
    echo "FAIL: lintian finds errors or warnings in $(basename "${packages[0]}")" >&2
    exit 1
}
rm -rf "$work"
echo "lintian finds no error or warning in the package"
