#!/usr/bin/python3
"""A slow drive for the tests: a FUSE passthrough of a folder whose every
move (rename, link) takes DELAY milliseconds, as a network share or a slow
card reader does. Like libfuse 2 drivers (ntfs-3g), it knows no rename flags.

Usage: slow_drive.py FOLDER MOUNTPOINT DELAY_MS (stays in the foreground)."""

import errno
import os
import sys
import time

from fusepy import FUSE, FuseOSError, Operations


class SlowDrive(Operations):
    def __init__(self, root, delay):
        self.root = root
        self.delay = delay

    def _path(self, path):
        return os.path.join(self.root, path.lstrip("/"))

    def __call__(self, op, path, *args):
        try:
            return super().__call__(op, path, *args)
        except OSError as error:
            raise FuseOSError(error.errno or errno.EIO)

    def getattr(self, path, fh=None):
        info = os.lstat(self._path(path))
        return {key: getattr(info, key) for key in (
            "st_mode", "st_nlink", "st_uid", "st_gid", "st_size",
            "st_atime", "st_mtime", "st_ctime", "st_ino")}

    def readdir(self, path, fh):
        return [".", ".."] + os.listdir(self._path(path))

    def rename(self, old, new):
        time.sleep(self.delay)
        os.rename(self._path(old), self._path(new))

    def link(self, target, source):
        time.sleep(self.delay)
        os.link(self._path(source), self._path(target))

    def unlink(self, path):
        os.unlink(self._path(path))

    def mkdir(self, path, mode):
        os.mkdir(self._path(path), mode)

    def rmdir(self, path):
        os.rmdir(self._path(path))

    def create(self, path, mode, fi=None):
        return os.open(self._path(path), os.O_WRONLY | os.O_CREAT | os.O_TRUNC, mode)

    def open(self, path, flags):
        return os.open(self._path(path), flags)

    def read(self, path, size, offset, fh):
        return os.pread(fh, size, offset)

    def write(self, path, data, offset, fh):
        return os.pwrite(fh, data, offset)

    def truncate(self, path, length, fh=None):
        os.truncate(self._path(path), length)

    def release(self, path, fh):
        os.close(fh)

    def utimens(self, path, times=None):
        os.utime(self._path(path), times)

    def chmod(self, path, mode):
        os.chmod(self._path(path), mode)

    def statfs(self, path):
        info = os.statvfs(self._path(path))
        return {key: getattr(info, key) for key in (
            "f_bavail", "f_bfree", "f_blocks", "f_bsize", "f_favail",
            "f_ffree", "f_files", "f_flag", "f_frsize", "f_namemax")}


if __name__ == "__main__":
    folder, mount_point, delay_ms = sys.argv[1], sys.argv[2], float(sys.argv[3])
    FUSE(SlowDrive(folder, delay_ms / 1000), mount_point, foreground=True)
