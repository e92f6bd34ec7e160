// The one file-system write of Vellumix: moving a file to a new name in its own
// folder without ever replacing whatever already stands at that name.
//
// Every move names its files relative to an open folder (an O_PATH handle, or
// AT_FDCWD for paths). The primary path is renameat2(RENAME_NOREPLACE), which
// checks and moves in one atomic step. On a file system that refuses the flag,
// a non-directory is moved by link + unlink (link also refuses to replace);
// only where hard links are refused too does the move fall back to "check that
// nothing stands at the destination, then rename", which is the best such a
// file system allows.
//
// Names are byte strings; nothing is decoded. Internal to the engine; each
// function is safe to call from any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/failure_text.h"

namespace vellumix::detail {

// Moves `from` to `to` in `folder`, never replacing an existing entry at `to`.
// Returns 0 on success, otherwise the errno of the failure; on failure `from`
// is where and as it was.
int moveWithoutReplacing(int folder, const std::string& from, const std::string& to);

// The fallback stages, exposed so they can be exercised on any file system.
// link(from, to) then unlink(from). Directories are refused with EISDIR.
int moveByHardLink(int folder, const std::string& from, const std::string& to);
// `to` must not exist (asked of the drive itself, not of the kernel's cache),
// then rename(from, to).
int moveAfterCheck(int folder, const std::string& from, const std::string& to);

// Gives `from` the name `to` in `folder` like moveWithoutReplacing, and also
// where the drive ignores letter case and `to` already finds the file itself
// (IMG_0001.JPG -> img_0001.JPG): then the file moves to a fresh temporary name
// in the same folder and from there to `to`, both without replacing. Should the
// second move fail (another file stands at `to`), the file moves back and the
// error of the second move is returned. (Only a drive failing in between could
// keep it from moving back: then it stays in its folder as ".vellumix-UUID".)
int renameWithinFolder(int folder, const std::string& from, const std::string& to);

// Why `newName` cannot be used as a file name in the same folder, or nothing
// when it can. Refused: "", ".", "..", names holding "/" or a NUL byte (they
// would leave the folder or be cut short), and names that are not UTF-8.
std::optional<FailureKind> invalidNameKind(std::string_view newName);

// What the errno of a failed move means for the user. Example: EEXIST ->
// alreadyExists; an errno without a kind of its own -> other.
FailureKind moveFailureKind(int error);

// The same, told truthfully for a move from `from` to `to` in `folder` that
// failed with `error`: when `from` is still there and nothing is at `to`, a
// "no such file" or "invalid" error means that the drive cannot hold the new
// name (exfat-fuse answers ENOENT for "b:c.txt"): nameNotOnDrive.
FailureKind moveFailureKind(int folder, const std::string& from, const std::string& to, int error);

}  // namespace vellumix::detail
