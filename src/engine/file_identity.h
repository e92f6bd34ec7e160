// Which file stands at a name: enough to tell later that the file found
// there is still the one a batch moved, and not another put in its place.
//
// Internal to the engine; safe to call from any thread.
#pragma once

#include <cstdint>
#include <string>

struct statx;

namespace vellumix {

struct FileIdentity {
    bool known = false;  // false: nothing could be learnt (no file, or not asked)
    std::uint32_t deviceMajor = 0, deviceMinor = 0;
    std::uint64_t inode = 0;
    std::uint32_t type = 0;  // the S_IFMT bits
    std::uint64_t size = 0;
    std::int64_t modifiedSeconds = 0, bornSeconds = 0;
    std::uint32_t modifiedNanoseconds = 0, bornNanoseconds = 0;
    bool hasBirthTime = false;
};

// What the drive says of `name` in the open folder `folder`, past the kernel's cache.
[[nodiscard]] FileIdentity identityOf(int folder, const std::string& name);
// What the kernel keeps of `name` in `folder`, without asking the drive: right
// after a move, what the drive answered to it, which a slow drive would
// otherwise be asked again at a round trip per file.
[[nodiscard]] FileIdentity cachedIdentityOf(int folder, const std::string& name);
// The identity that `info` (with the basic fields and the birth time asked for) tells.
[[nodiscard]] FileIdentity identityFrom(const struct statx& info);

// Whether `a` and `b`, both known, are one file. Where the drive tells when a
// file was made, the same inode made at the same moment (an inode number
// alone is soon given to a new file); elsewhere the same inode, or, as
// FUSE drivers may number a file anew, the same size and modification time.
[[nodiscard]] bool sameFile(const FileIdentity& a, const FileIdentity& b);

}  // namespace vellumix
