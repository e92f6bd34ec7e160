// What the drive under a folder can be asked to do, as far as the system says.
//
// Most file systems refuse a name they cannot hold with an error, and the
// batch words that error (see file_move.h). Drives of the FAT family are
// checked before any move instead, because some of their drivers mishandle
// the move itself: measured, the fusefat driver drops a file from its folder
// when asked to give it a name with ":" or any character beyond ASCII, and
// empties a folder that it renames.
//
// Internal to the engine; each function is safe to call from any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/failure_text.h"

namespace vellumix::detail {

enum class Drive {
    other,    // says itself what it refuses
    fat,      // FAT or exFAT: no "*/:<>?\| or control characters, at most 255 UTF-16 units
    fusefat,  // FAT through fusefat: the same in ASCII only, and files only
};

// The drive that holds the open folder `folder`: the FAT family by the
// kernel's statfs type (vfat, msdos, exfat), or for a FUSE drive by the mount
// table's type ("fuse.fusefat"). A drive that the mount table shows only as
// "fuseblk" (exfat-fuse, ntfs-3g) is told by the boot sector of its device
// where that can be read; otherwise it is `other`.
Drive driveOf(int folder);

// Whether names on `drive` that differ only in letter case name one file.
constexpr bool ignoresCase(Drive drive) {
    return drive != Drive::other;
}

// The length of `name` in UTF-16 units, as Windows file systems measure
// names; a byte that is not UTF-8 counts as one.
std::size_t utf16Length(std::string_view name);

// Why `drive` must not be asked to give `name` the new name `newName`, or
// nothing; `isFolder` tells whether `name` is a folder. Example: "b:c.txt" on
// `fat` -> nameNotOnDrive; a folder on `fusefat` -> other, with EOPNOTSUPP.
std::optional<Failure> driveRefusal(Drive drive, const std::string& name,
                                    const std::string& newName, bool isFolder);

}  // namespace vellumix::detail
