// The one file-system write of Vellumix: moving a file to a new name in its own
// folder without ever replacing whatever already stands at that name.
//
// The primary path is renameat2(RENAME_NOREPLACE), which checks and moves in one
// atomic step. On a file system that refuses the flag, a non-directory is moved
// by link + unlink (link also refuses to replace); only where hard links are
// refused too does the move fall back to "check that nothing stands at the
// destination, then rename", which is the best such a file system allows.
//
// Paths are byte strings; nothing is decoded. Internal to the engine; each
// function is safe to call from any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/failure_text.h"

namespace vellumix::detail {

// Moves `from` to `to`, never replacing an existing entry at `to`.
// Returns 0 on success, otherwise the errno of the failure; on failure `from`
// is where and as it was.
int moveWithoutReplacing(const std::string& from, const std::string& to);

// The fallback stages, exposed so they can be exercised on any file system.
// link(from, to) then unlink(from). Directories are refused with EISDIR.
int moveByHardLink(const std::string& from, const std::string& to);
// lstat(to) must fail with ENOENT, then rename(from, to).
int moveAfterCheck(const std::string& from, const std::string& to);

// Why `newName` cannot be used as a file name in the same folder, or nothing
// when it can. Refused: "", ".", "..", and names holding "/" or a NUL byte (they
// would leave the folder or be cut short).
std::optional<FailureKind> invalidNameKind(std::string_view newName);

// What the errno of a failed move means for the user. Example: EEXIST ->
// alreadyExists; an errno without a kind of its own -> other.
FailureKind moveFailureKind(int error);

}  // namespace vellumix::detail
