#include "engine/file_move.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/utf8.h"

namespace vellumix::detail {
namespace {

// The errors with which a file system says "no hard links here" rather than
// "this particular move cannot be done". EISDIR is moveByHardLink's own answer
// for a directory, which cannot be hard-linked anywhere.
bool hardLinksRefused(int error) {
    switch (error) {
        case EPERM:
        case EOPNOTSUPP:
        case EXDEV:
        case EMLINK:
        case ENOSYS:
        case EINVAL:
        case EISDIR:
            return true;
        default:
            return false;
    }
}

}  // namespace

int freshStat(int folder, const std::string& name, struct statx& info) {
    const int flags = AT_SYMLINK_NOFOLLOW | AT_STATX_FORCE_SYNC;
    return ::statx(folder, name.c_str(), flags, STATX_BASIC_STATS | STATX_BTIME, &info) == 0 ? 0 : errno;
}

int moveWithoutReplacing(int folder, const std::string& from, const std::string& to,
                         MoveAbilities& known, MoveNotes* notes) {
    if (!known.refusesNoReplace) {
        if (::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
        const int error = errno;
        // EINVAL: this file system does not know the flag; ENOSYS: nor does the kernel.
        if (error != EINVAL && error != ENOSYS) return error;
        known.refusesNoReplace = true;
    }
    if (!known.refusesHardLinks) {
        const int linked = moveByHardLink(folder, from, to, notes);
        if (!hardLinksRefused(linked)) return linked;
        // A folder refuses links to itself anywhere; the drive may take them still.
        if (linked != EISDIR) known.refusesHardLinks = true;
    }
    return moveAfterCheck(folder, from, to);
}

int moveWithoutReplacing(int folder, const std::string& from, const std::string& to) {
    MoveAbilities once;
    return moveWithoutReplacing(folder, from, to, once);
}

int moveByHardLink(int folder, const std::string& from, const std::string& to,
                   MoveNotes* notes) {
    // Flags 0: a symbolic link is linked itself, not its target.
    if (::linkat(folder, from.c_str(), folder, to.c_str(), 0) != 0) {
        const int error = errno;
        struct stat info {};
        if (error == EPERM && ::fstatat(folder, from.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISDIR(info.st_mode)) {
            return EISDIR;
        }
        return error;
    }
    // Read while the old name still holds the file: the link's answer is in the cache.
    if (notes != nullptr) notes->movedAs = cachedIdentityOf(folder, to);
    if (::unlinkat(folder, from.c_str(), 0) != 0) {
        const int error = errno;
        ::unlinkat(folder, to.c_str(), 0);  // the link just made; the file keeps its old name
        return error;
    }
    return 0;
}

int moveAfterCheck(int folder, const std::string& from, const std::string& to) {
    struct statx info {};
    const int found = freshStat(folder, to, info);
    if (found == 0) return EEXIST;
    if (found != ENOENT) return found;
    if (::renameat(folder, from.c_str(), folder, to.c_str()) != 0) return errno;
    return 0;
}

std::optional<FailureKind> invalidNameKind(std::string_view newName) {
    if (newName.empty()) return FailureKind::emptyName;
    if (newName.find('/') != std::string_view::npos) return FailureKind::nameWithSlash;
    if (newName.find('\0') != std::string_view::npos) return FailureKind::nameWithNull;
    if (newName == "." || newName == "..") return FailureKind::reservedName;
    // Bytes that are not UTF-8: exfat-fuse takes some of them (a surrogate, an
    // overlong "/") and can then no longer list the folder.
    if (!isValidUtf8(newName)) return FailureKind::reservedName;
    return std::nullopt;
}

FailureKind moveFailureKind(int folder, const std::string& from, const std::string& to, int error) {
    if (error == ENOENT || error == EINVAL || error == EILSEQ) {
        struct statx info {};
        // The drive may not even look the new name up (EILSEQ for bytes that are not UTF-8).
        if (freshStat(folder, from, info) == 0 && freshStat(folder, to, info) != 0) {
            return FailureKind::nameNotOnDrive;
        }
    }
    return failureKindOf(error);
}

}  // namespace vellumix::detail
