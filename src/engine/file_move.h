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

#include "engine/failure.h"
#include "engine/file_identity.h"

struct statx;

namespace vellumix::detail {

// What a folder's drive has shown that it refuses, learnt by one move there
// and kept for the next ones of the batch, so that they do not ask again: a
// slow drive charges for every question.
struct MoveAbilities {
    bool refusesNoReplace = false;  // renameat2 knows no RENAME_NOREPLACE here
    bool refusesHardLinks = false;
};

// What a move tells beside its result, so that nobody has to ask the drive again.
struct MoveNotes {
    // A move by hard link: the file as the link left it, read from the
    // kernel's cache, which the drive's answer to the link has just filled.
    FileIdentity movedAs;
    // A change of letter case stopped between its two moves: the temporary
    // name the file was left under (see case_only_rename.h).
    std::string strandedAs;
};

// Moves `from` to `to` in `folder`, never replacing an existing entry at `to`.
// Returns 0 on success, otherwise the errno of the failure; on failure `from`
// is where and as it was. `known` is what earlier moves in the folder learnt.
int moveWithoutReplacing(int folder, const std::string& from, const std::string& to,
                         MoveAbilities& known, MoveNotes* notes = nullptr);
// The same, learning nothing for later.
int moveWithoutReplacing(int folder, const std::string& from, const std::string& to);

// The fallback stages, exposed so they can be exercised on any file system.
// link(from, to) then unlink(from). Directories are refused with EISDIR (told
// apart only once the link has failed: a slow drive charges for every question).
int moveByHardLink(int folder, const std::string& from, const std::string& to,
                   MoveNotes* notes = nullptr);
// `to` must not exist (asked of the drive itself, not of the kernel's cache),
// then rename(from, to).
int moveAfterCheck(int folder, const std::string& from, const std::string& to);

// What the drive itself says of `name` in `folder`, past the kernel's cache: a
// FUSE drive that ignores letter case leaves the other spelling of a file just
// moved away in the cache for a while. Returns 0 or the errno.
int freshStat(int folder, const std::string& name, struct statx& info);

// Why `newName` cannot be used as a file name in the same folder, or nothing
// when it can. Refused: "", ".", "..", names holding "/" or a NUL byte (they
// would leave the folder or be cut short), and names that are not UTF-8.
std::optional<FailureKind> invalidNameKind(std::string_view newName);

// What a move from `from` to `to` in `folder` that failed with `error` means
// for the user: failureKindOf(error), told truthfully: when `from` is still there and nothing is at
// `to`, a "no such file" or "invalid" error means that the drive cannot hold the new name
// (exfat-fuse answers ENOENT for "b:c.txt"): nameNotOnDrive.
FailureKind moveFailureKind(int folder, const std::string& from, const std::string& to, int error);

}  // namespace vellumix::detail
