#include "engine/drive_names.h"

#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <string>

namespace vellumix::detail {
namespace {

struct Mount {
    std::string type;    // "ext4", "fuse.fusefat", "fuseblk"
    std::string source;  // "/dev/loop0", "fusefat"
};

// The type and source columns of /proc/self/mountinfo for the mount with
// device `device` ("major:minor"), or empty ones when it is not found. A line
// reads "36 25 0:40 / /media/card rw,nosuid - fuse.fusefat fusefat rw".
Mount mountOf(const std::string& device) {
    std::ifstream table("/proc/self/mountinfo");
    std::string line;
    while (std::getline(table, line)) {
        const std::size_t fieldStart = line.find(' ', line.find(' ') + 1) + 1;
        if (line.compare(fieldStart, device.size() + 1, device + " ") != 0) continue;
        const std::size_t separator = line.find(" - ");
        if (separator == std::string::npos) return {};
        std::istringstream fields(line.substr(separator + 3));
        Mount mount;
        fields >> mount.type >> mount.source;
        return mount;
    }
    return {};
}

// The drive that the boot sector of the block device `device` describes: the
// FAT family by its file system name ("EXFAT   " at byte 3, "FAT12   " and
// the like at byte 54 or 82); `other` when it says anything else or cannot be read.
Drive driveOfDevice(const std::string& device) {
    char sector[90] = {};
    const int fd = ::open(device.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd == -1) return Drive::other;
    const ssize_t got = ::pread(fd, sector, sizeof sector, 0);
    ::close(fd);
    if (got != static_cast<ssize_t>(sizeof sector)) return Drive::other;
    const std::string_view boot(sector, sizeof sector);
    const bool fat = boot.substr(3, 8) == "EXFAT   " || boot.substr(54, 3) == "FAT" ||
                     boot.substr(82, 5) == "FAT32";
    return fat ? Drive::fat : Drive::other;
}

}  // namespace

Drive driveOf(int folder) {
    struct statfs drive {};
    if (::fstatfs(folder, &drive) != 0) return Drive::other;
    if (drive.f_type == MSDOS_SUPER_MAGIC || drive.f_type == EXFAT_SUPER_MAGIC) return Drive::fat;
    struct stat info {};
    if (drive.f_type != FUSE_SUPER_MAGIC || ::fstat(folder, &info) != 0) return Drive::other;
    const Mount mount =
        mountOf(std::to_string(major(info.st_dev)) + ":" + std::to_string(minor(info.st_dev)));
    if (mount.type == "fuseblk") return driveOfDevice(mount.source);
    // "fuse.SUBTYPE" or "fuseblk.SUBTYPE", SUBTYPE being the driver's name.
    const std::size_t dot = mount.type.find('.');
    if (dot == std::string::npos) return Drive::other;
    const std::string driver = mount.type.substr(dot + 1);
    if (driver == "fusefat") return Drive::fusefat;
    return driver.find("fat") != std::string::npos ? Drive::fat : Drive::other;
}

std::size_t utf16Length(std::string_view name) {
    std::size_t units = 0;
    for (const char c : name) {
        // A code point counts once from its first byte, twice from U+10000 on.
        const auto byte = static_cast<unsigned char>(c);
        units += (byte & 0xC0) != 0x80;
        units += byte >= 0xF0;
    }
    return units;
}

std::optional<Failure> driveRefusal(Drive drive, const std::string& name,
                                    const std::string& newName, bool isFolder) {
    if (drive == Drive::other) return std::nullopt;
    for (std::size_t i = 0; i < newName.size(); ++i) {
        const auto byte = static_cast<unsigned char>(newName[i]);
        const bool control = byte < 0x20 || byte == 0x7F ||
                             // U+0080 to U+009F, the other control characters: C2 80 to C2 9F
                             (byte == 0xC2 && i + 1 < newName.size() &&
                              static_cast<unsigned char>(newName[i + 1]) < 0xA0);
        if (control || std::string_view("\"*/:<>?\\|").find(newName[i]) != std::string_view::npos ||
            (byte >= 0x80 && drive == Drive::fusefat)) {
            return Failure{FailureKind::nameNotOnDrive, name, newName, 0, {}};
        }
    }
    if (utf16Length(newName) > 255)
        return Failure{FailureKind::nameTooLong, name, newName, ENAMETOOLONG, {}};
    if (drive == Drive::fusefat && isFolder) {
        return Failure{FailureKind::other, name, newName, EOPNOTSUPP, {}};
    }
    return std::nullopt;
}

}  // namespace vellumix::detail
