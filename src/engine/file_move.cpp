#include "engine/file_move.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

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

std::string quoted(std::string_view name) {
    std::string text;
    text.reserve(name.size() + 6);
    text += "\u201C";
    text += name;
    text += "\u201D";
    return text;
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

std::string invalidNameReason(std::string_view newName) {
    if (newName.empty()) return "A name can't be empty.";
    if (newName.find('/') != std::string_view::npos) return "A name can't contain \u201C/\u201D.";
    if (newName.find('\0') != std::string_view::npos) {
        return "A name can't contain a null character.";
    }
    if (newName == "." || newName == "..") return quoted(newName) + " can't be used as a name.";
    return {};
}

std::string moveFailureText(int error, std::string_view name, std::string_view newName) {
    switch (error) {
        case EEXIST:
        case ENOTEMPTY:
        case EISDIR:
            return quoted(newName) + " already exists.";
        case ENOENT:
        case ENOTDIR:
            return quoted(name) + " no longer exists.";
        case EACCES:
        case EPERM:
            return "You don't have permission to rename " + quoted(name) + ".";
        case EROFS:
            return quoted(name) + " is on a read-only file system.";
        case ENAMETOOLONG:
            return "The new name is too long.";
        case ENOSPC:
        case EDQUOT:
            return "There isn't enough space on the disk to rename " + quoted(name) + ".";
        case EBUSY:
        case ETXTBSY:
            return quoted(name) + " is in use.";
        case EXDEV:
            return quoted(name) + " can't be moved to another file system.";
        case EIO:
            return "A disk error occurred while renaming " + quoted(name) + ".";
        default:
            return quoted(name) + " couldn't be renamed (" +
                   std::generic_category().message(error) + ").";
    }
}

}  // namespace vellumix::detail
