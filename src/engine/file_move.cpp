#include "engine/file_move.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

int moveWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    const int error = errno;
    // EINVAL: this file system does not know the flag; ENOSYS: nor does the kernel.
    if (error != EINVAL && error != ENOSYS) return error;
    const int linked = moveByHardLink(from, to);
    if (!hardLinksRefused(linked)) return linked;
    return moveAfterCheck(from, to);
}

int moveByHardLink(const std::string& from, const std::string& to) {
    struct stat info {};
    if (::lstat(from.c_str(), &info) != 0) return errno;
    if (S_ISDIR(info.st_mode)) return EISDIR;
    // Flags 0: a symbolic link is linked itself, not its target.
    if (::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 0) != 0) return errno;
    if (::unlink(from.c_str()) != 0) {
        const int error = errno;
        ::unlink(to.c_str());  // the link just made; the file keeps its old name
        return error;
    }
    return 0;
}

int moveAfterCheck(const std::string& from, const std::string& to) {
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0) return EEXIST;
    if (errno != ENOENT) return errno;
    if (::rename(from.c_str(), to.c_str()) != 0) return errno;
    return 0;
}

std::optional<FailureKind> invalidNameKind(std::string_view newName) {
    if (newName.empty()) return FailureKind::emptyName;
    if (newName.find('/') != std::string_view::npos) return FailureKind::nameWithSlash;
    if (newName.find('\0') != std::string_view::npos) return FailureKind::nameWithNull;
    if (newName == "." || newName == "..") return FailureKind::reservedName;
    return std::nullopt;
}

FailureKind moveFailureKind(int error) {
    switch (error) {
        case EEXIST:
        case ENOTEMPTY:
        case EISDIR:
            return FailureKind::alreadyExists;
        case ENOENT:
        case ENOTDIR:
            return FailureKind::noLongerExists;
        case EACCES:
        case EPERM:
            return FailureKind::permissionDenied;
        case EROFS:
            return FailureKind::readOnly;
        case ENAMETOOLONG:
            return FailureKind::nameTooLong;
        case ENOSPC:
        case EDQUOT:
            return FailureKind::noSpace;
        case EBUSY:
        case ETXTBSY:
            return FailureKind::inUse;
        case EXDEV:
            return FailureKind::otherFileSystem;
        case EIO:
            return FailureKind::diskError;
        default:
            return FailureKind::other;
    }
}

}  // namespace vellumix::detail
