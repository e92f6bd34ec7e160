// Why a file could not be renamed, as data: the kind of failure and the names
// it concerns. The sentences that tell the user are made from it elsewhere
// (failure_text.h).
#pragma once

#include <string>

namespace vellumix {

// What went wrong. Each kind has one sentence (see failureTemplate).
enum class FailureKind {
    alreadyExists,     // another file stands at the new name
    noLongerExists,    // the file is gone
    permissionDenied,  // the folder may not be written
    readOnly,          // the drive is mounted read-only
    nameTooLong,       // the drive takes no name that long
    noSpace,           // the drive is full
    inUse,             // the file is busy
    otherFileSystem,   // the move would leave the drive
    diskError,         // the drive failed
    emptyName,         // the new name is ""
    nameWithSlash,     // the new name holds "/"
    nameWithNull,      // the new name holds a NUL byte
    reservedName,      // "." or "..", or a name that is not UTF-8
    nameNotOnDrive,    // the drive cannot hold the new name ("b:c.txt" on exFAT)
    replaced,          // another file stands where the file to move back was
    driveGone,         // the drive was pulled out, or its driver stopped
    leftUnderTemporaryName,  // stopped between the two moves of a change of letter case
    other,             // anything else, told with the system's description. Stays last.
};

// One failed rename: what went wrong, and the names the sentence speaks of.
struct Failure {
    FailureKind kind = FailureKind::other;
    std::string name;     // the file's current name
    std::string newName;  // the name it was to get
    int error = 0;        // the system's error number, for `other`
    std::string leftAs;   // the name the file is left under (leftUnderTemporaryName only)
};

// What the errno of a failed move means for the user. Example: EEXIST ->
// alreadyExists; an errno without a kind of its own -> other.
[[nodiscard]] FailureKind failureKindOf(int error);

}  // namespace vellumix
