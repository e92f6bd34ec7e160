#!/usr/bin/env bash
# Side-by-side batch rename on a drive mounted from an image (as root): the
# same COUNT (default 10,000) freshly made files in one folder, renamed by
#   before - vellumix_bench_rename of another build (BEFORE_DIR)
#   after  - vellumix_bench_rename of this build
#   floor  - the bare loop of the same safe moves relative to the folder
# ntfs:  ntfs-3g, Add Prefix; the floor is link + unlink (the driver refuses
#        the no-replace flag).
# exfat: exfat-fuse, Change Case › UPPERCASE, a change of case alone; the
#        floor is two plain renames through a temporary name.
# hyperfine makes the files again before every run (not timed).
#
# Usage: bench/compare_drive.sh ntfs|exfat BEFORE_DIR [AFTER_DIR]
#   (the DIRs hold the bench binaries; AFTER_DIR defaults to build/bench/bench)
# Environment: COUNT (default 10000), RUNS (default 3).
set -euo pipefail
cd "$(dirname "$0")/.."
drive=$1
before=$(realpath "$2")
after=$(realpath "${3:-build/bench/bench}")
count=${COUNT:-10000}
work=$(mktemp -d /tmp/vellumix-drive-XXXXXX)
trap 'umount -l "$work/mount" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir "$work/mount"
truncate -s 512M "$work/image"
case $drive in
    ntfs) mkntfs -q -F -f "$work/image" >/dev/null 2>&1
          mount -o loop -t ntfs-3g "$work/image" "$work/mount"
          mode=""; floor="--link" ;;
    exfat) mkfs.exfat "$work/image" >/dev/null
           mount -o loop -t exfat-fuse "$work/image" "$work/mount"
           mode="--uppercase"; floor="--uppercase" ;;
    *) echo "usage: $0 ntfs|exfat BEFORE_DIR [AFTER_DIR]" >&2; exit 2 ;;
esac
folder=$work/mount/photos
hyperfine --style basic --runs "${RUNS:-3}" \
    --prepare "rm -rf $folder; $after/vellumix_bench_make_files $folder $count" \
    -n before "$before/vellumix_bench_rename $mode $folder" \
    -n after "$after/vellumix_bench_rename $mode $folder" \
    -n floor "$after/vellumix_bench_rename_floor --folder-handle $floor $folder"
