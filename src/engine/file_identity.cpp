#include "engine/file_identity.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "engine/file_move.h"

namespace vellumix {

FileIdentity identityOf(int folder, const std::string& name) {
    struct statx info {};
    if (detail::freshStat(folder, name, info) != 0) return {};
    return identityFrom(info);
}

FileIdentity cachedIdentityOf(int folder, const std::string& name) {
    struct statx info {};
    constexpr int kFromCache = AT_SYMLINK_NOFOLLOW | AT_STATX_DONT_SYNC;
    if (::statx(folder, name.c_str(), kFromCache, STATX_BASIC_STATS | STATX_BTIME, &info) != 0) {
        return {};
    }
    return identityFrom(info);
}

FileIdentity identityFrom(const struct statx& info) {
    FileIdentity identity;
    identity.known = true;
    identity.deviceMajor = info.stx_dev_major;
    identity.deviceMinor = info.stx_dev_minor;
    identity.inode = info.stx_ino;
    identity.type = info.stx_mode & S_IFMT;
    identity.size = info.stx_size;
    identity.modifiedSeconds = info.stx_mtime.tv_sec;
    identity.modifiedNanoseconds = info.stx_mtime.tv_nsec;
    identity.hasBirthTime = (info.stx_mask & STATX_BTIME) != 0;
    identity.bornSeconds = info.stx_btime.tv_sec;
    identity.bornNanoseconds = info.stx_btime.tv_nsec;
    return identity;
}

bool sameFile(const FileIdentity& a, const FileIdentity& b) {
    if (!a.known || !b.known || a.deviceMajor != b.deviceMajor || a.deviceMinor != b.deviceMinor ||
        a.type != b.type) {
        return false;
    }
    if (a.hasBirthTime && b.hasBirthTime) {
        return a.inode == b.inode && a.bornSeconds == b.bornSeconds &&
               a.bornNanoseconds == b.bornNanoseconds;
    }
    return a.inode == b.inode || (a.size == b.size && a.modifiedSeconds == b.modifiedSeconds &&
                                  a.modifiedNanoseconds == b.modifiedNanoseconds);
}

}  // namespace vellumix
