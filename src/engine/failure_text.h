// Why a file could not be renamed, and the sentence that tells the user.
//
// The batch rename reports each failure as a finished sentence (see
// RenameResult::errors). The sentences are written here in English; an
// application that speaks the user's language installs a wording function once,
// before any rename, and every sentence is then made by it. The core stays free
// of any translation framework.
#pragma once

#include <string>

namespace vellumix {

// What went wrong, with the English sentence each kind is worded as.
enum class FailureKind {
    alreadyExists,     // “b.txt” already exists.
    noLongerExists,    // “a.txt” no longer exists.
    permissionDenied,  // You don't have permission to rename “a.txt”.
    readOnly,          // “a.txt” is on a read-only file system.
    nameTooLong,       // The new name is too long.
    noSpace,           // There isn't enough space on the disk to rename “a.txt”.
    inUse,             // “a.txt” is in use.
    otherFileSystem,   // “a.txt” can't be moved to another file system.
    diskError,         // A disk error occurred while renaming “a.txt”.
    emptyName,         // A name can't be empty.
    nameWithSlash,     // A name can't contain “/”.
    nameWithNull,      // A name can't contain a null character.
    reservedName,      // “..” can't be used as a name.
    nameNotOnDrive,    // “b:c.txt” can't be used as a name on this drive.
    other,             // “a.txt” couldn't be renamed (Too many links). Stays last.
};

// One failed rename: what went wrong, and the names the sentence speaks of.
struct Failure {
    FailureKind kind = FailureKind::other;
    std::string name;     // the file's current name
    std::string newName;  // the name it was to get
    int error = 0;        // the system's error number, for `other`
};

// The sentence in English. `other` adds the system's description of `error`.
[[nodiscard]] std::string englishFailureText(const Failure& failure);

// Words a failure in the user's language. Must be safe to call from any thread.
using FailureWording = std::string (*)(const Failure& failure);

// Installs `wording` for every later failure sentence; nullptr restores English.
void setFailureWording(FailureWording wording);

// The sentence for `failure`, in the installed wording (English by default).
[[nodiscard]] std::string failureText(const Failure& failure);

}  // namespace vellumix
