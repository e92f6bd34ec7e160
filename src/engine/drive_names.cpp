#include "engine/drive_names.h"

#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

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

NameLimits nameLimitsOf(int folder) {
    struct statfs drive {};
    if (::fstatfs(folder, &drive) != 0) return NameLimits::none;
    if (drive.f_type == MSDOS_SUPER_MAGIC || drive.f_type == EXFAT_SUPER_MAGIC) {
        return NameLimits::fat;
    }
    struct stat info {};
    if (drive.f_type != FUSE_SUPER_MAGIC || ::fstat(folder, &info) != 0) return NameLimits::none;
    const std::string type =
        mountType(std::to_string(major(info.st_dev)) + ":" + std::to_string(minor(info.st_dev)));
    // "fuse.SUBTYPE" or "fuseblk.SUBTYPE", SUBTYPE being the driver's name.
    const std::size_t dot = type.find('.');
    if (dot == std::string::npos) return NameLimits::none;
    const std::string driver = type.substr(dot + 1);
    if (driver == "fusefat") return NameLimits::fatAscii;
    return driver.find("fat") != std::string::npos ? NameLimits::fat : NameLimits::none;
}

bool fitsDrive(std::string_view name, NameLimits limits) {
    if (limits == NameLimits::none) return true;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte < 0x20 || byte == 0x7F) return false;  // control characters
        if (std::string_view("\"*/:<>?\\|").find(name[i]) != std::string_view::npos) return false;
        if (byte >= 0x80 && limits == NameLimits::fatAscii) return false;
        // U+0080 to U+009F, the other control characters, are C2 80 to C2 9F.
        if (byte == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) < 0xA0) {
            return false;
        }
    }
    return true;
}

}  // namespace vellumix::detail
