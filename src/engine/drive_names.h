// Which names the drive under a folder can hold, as far as the system says.
//
// Most file systems refuse a name they cannot hold with an error, and the
// batch words that error (see file_move.h). Drivers of the FAT family are
// refused such names before any move: some of them mishandle the move itself
// (the fusefat driver drops the file from its folder when asked to give it a
// name with ":" or any character beyond ASCII).
//
// Internal to the engine; each function is safe to call from any thread.
#pragma once

#include <string_view>

namespace vellumix::detail {

enum class NameLimits {
    none,      // the drive says itself what it refuses
    fat,       // FAT and exFAT: no "*/:<>?\| and no control characters
    fatAscii,  // the same, and ASCII only (the fusefat driver)
};

// The limits of the drive that holds the open folder `folder`: the FAT family
// by the kernel's statfs type (vfat, msdos, exfat), or for a FUSE drive by the
// mount table's type ("fuse.fusefat"). A drive that the mount table shows only
// as "fuseblk" (exfat-fuse, ntfs-3g) is not identified: `none`.
NameLimits nameLimitsOf(int folder);

// Whether `name` (UTF-8) can stand on a drive with these limits. Example:
// fitsDrive("b:c.txt", NameLimits::fat) == false.
bool fitsDrive(std::string_view name, NameLimits limits);

}  // namespace vellumix::detail
