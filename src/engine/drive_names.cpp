#include "engine/drive_names.h"

#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

#include <fcntl.h>

#include <cerrno>
#include <fstream>
#include <string>

namespace vellumix::detail {
namespace {

// The type column of /proc/self/mountinfo for the mount with device `device`
// ("major:minor"), or "" when it is not found. A line reads
// "36 25 0:40 / /media/card rw,nosuid - fuse.fusefat fusefat rw".
std::string mountType(const std::string& device) {
    std::ifstream table("/proc/self/mountinfo");
    std::string line;
    while (std::getline(table, line)) {
        const std::size_t fieldStart = line.find(' ', line.find(' ') + 1) + 1;
        if (line.compare(fieldStart, device.size() + 1, device + " ") != 0) continue;
        const std::size_t separator = line.find(" - ");
        if (separator == std::string::npos) return {};
        const std::size_t typeStart = separator + 3;
        return line.substr(typeStart, line.find(' ', typeStart) - typeStart);
    }
    return {};
}

}  // namespace

Drive driveOf(int folder) {
    struct statfs drive {};
    if (::fstatfs(folder, &drive) != 0) return Drive::other;
    if (drive.f_type == MSDOS_SUPER_MAGIC || drive.f_type == EXFAT_SUPER_MAGIC) return Drive::fat;
    struct stat info {};
    if (drive.f_type != FUSE_SUPER_MAGIC || ::fstat(folder, &info) != 0) return Drive::other;
    const std::string type =
        mountType(std::to_string(major(info.st_dev)) + ":" + std::to_string(minor(info.st_dev)));
    // "fuse.SUBTYPE" or "fuseblk.SUBTYPE", SUBTYPE being the driver's name.
    const std::size_t dot = type.find('.');
    if (dot == std::string::npos) return Drive::other;
    const std::string driver = type.substr(dot + 1);
    if (driver == "fusefat") return Drive::fusefat;
    return driver.find("fat") != std::string::npos ? Drive::fat : Drive::other;
}

std::optional<Failure> driveRefusal(int folder, Drive drive, const std::string& name,
                                    const std::string& newName) {
    if (drive == Drive::other) return std::nullopt;
    std::size_t utf16Units = 0;
    for (std::size_t i = 0; i < newName.size(); ++i) {
        const auto byte = static_cast<unsigned char>(newName[i]);
        const bool control = byte < 0x20 || byte == 0x7F ||
                             // U+0080 to U+009F, the other control characters: C2 80 to C2 9F
                             (byte == 0xC2 && i + 1 < newName.size() &&
                              static_cast<unsigned char>(newName[i + 1]) < 0xA0);
        if (control || std::string_view("\"*/:<>?\\|").find(newName[i]) != std::string_view::npos ||
            (byte >= 0x80 && drive == Drive::fusefat)) {
            return Failure{FailureKind::nameNotOnDrive, name, newName, 0};
        }
        // A code point counts once from its first byte, twice from U+10000 on.
        utf16Units += (byte & 0xC0) != 0x80;
        utf16Units += byte >= 0xF0;
    }
    if (utf16Units > 255) return Failure{FailureKind::nameTooLong, name, newName, ENAMETOOLONG};
    struct stat info {};
    if (drive == Drive::fusefat &&
        ::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode)) {
        return Failure{FailureKind::other, name, newName, EOPNOTSUPP};
    }
    return std::nullopt;
}

}  // namespace vellumix::detail
