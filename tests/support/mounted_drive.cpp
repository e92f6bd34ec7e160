#include "support/mounted_drive.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/loop.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace vellumix::testing {
namespace {

namespace fs = std::filesystem;

// Every drive lives in DRIVES/<file system>-<pid>-<number>/{image,mount}.
const fs::path kDrives = fs::temp_directory_path() / "vellumix-drives";

// Unmounts and removes what processes that are gone left behind.
void removeLeftovers() {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(kDrives, ignored)) {
        const std::string name = entry.path().filename();
        const std::size_t dash = name.find('-');
        const pid_t owner = static_cast<pid_t>(std::atol(name.c_str() + dash + 1));
        if (dash == std::string::npos || owner <= 0 || ::kill(owner, 0) == 0 || errno != ESRCH) {
            continue;
        }
        ::umount2((entry.path() / "mount").c_str(), MNT_DETACH);
        fs::remove_all(entry.path(), ignored);
    }
}

// Attaches `image` to a free loop device that detaches itself when its last
// user closes it. Returns the device's path and keeps it open in `loop`, or
// sets `problem`.
std::string attachLoop(const std::string& image, int& loop, std::string& problem) {
    const int control = ::open("/dev/loop-control", O_RDWR | O_CLOEXEC);
    const int backing = ::open(image.c_str(), O_RDWR | O_CLOEXEC);
    std::string device;
    for (int attempt = 0; attempt < 20 && device.empty() && control != -1; ++attempt) {
        const int number = ::ioctl(control, LOOP_CTL_GET_FREE);
        if (number < 0) break;
        const std::string candidate = "/dev/loop" + std::to_string(number);
        loop = ::open(candidate.c_str(), O_RDWR | O_CLOEXEC);
        loop_config config{};
        config.fd = static_cast<__u32>(backing);
        config.info.lo_flags = LO_FLAGS_AUTOCLEAR;
        if (loop != -1 && ::ioctl(loop, LOOP_CONFIGURE, &config) == 0) {
            device = candidate;
        } else if (loop != -1) {
            ::close(loop);  // taken by another process meanwhile: try the next
        }
    }
    if (device.empty()) problem = std::string("no free loop device: ") + std::strerror(errno);
    if (control != -1) ::close(control);
    if (backing != -1) ::close(backing);
    return device;
}

bool run(const std::string& command) {
    return std::system(("PATH=/usr/sbin:/sbin:$PATH " + command + " >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace

std::string_view nameOf(FileSystem fileSystem) {
    constexpr std::string_view names[] = {"local", "tmpfs", "ext4", "exfat", "fat", "ntfs"};
    return names[static_cast<int>(fileSystem)];
}

MountedDrive::MountedDrive(FileSystem fileSystem) {
    if (fileSystem == FileSystem::local) {
        path_ = fs::temp_directory_path();
        return;
    }
    const bool fuse = fileSystem >= FileSystem::exfat;
    if (::geteuid() != 0) {
        skipReason_ = "mounting needs root";
    } else if (fuse && ::access("/dev/fuse", R_OK | W_OK) != 0) {
        skipReason_ = "no /dev/fuse";
    } else {
        mount(fileSystem);
    }
    if (!skipReason_.empty()) {
        skipReason_ = "cannot mount " + std::string(nameOf(fileSystem)) + ": " + skipReason_;
        std::cerr << "\n*** " << skipReason_ << ": the tests on this drive are SKIPPED ***\n\n";
    }
}

void MountedDrive::mount(FileSystem fileSystem) {
    static std::atomic<int> count{0};
    removeLeftovers();
    folder_ = kDrives / (std::string(nameOf(fileSystem)) + "-" + std::to_string(::getpid()) + "-" +
                         std::to_string(count++));
    mountPoint_ = folder_ + "/mount";
    fs::create_directories(mountPoint_);
    if (fileSystem == FileSystem::tmpfs) {
        if (::mount("tmpfs", mountPoint_.c_str(), "tmpfs", 0, "size=16m") != 0) {
            skipReason_ = std::strerror(errno);
        } else {
            path_ = mountPoint_;
        }
        return;
    }
    // How to make each file system on an image, and how to mount it from a device.
    struct Tools {
        const char* make;
        const char* mount;  // "" for the kernel's ext4
    };
    constexpr Tools kTools[] = {
        {"mkfs.ext4 -q -F", ""},
        {"mkfs.exfat", "mount.exfat-fuse"},
        {"mkfs.vfat", "fusefat -o rw+"},
        {"mkntfs -q -F -f", "ntfs-3g"},
    };
    const Tools& tools = kTools[static_cast<int>(fileSystem) - static_cast<int>(FileSystem::ext4)];
    const std::string image = folder_ + "/image";
    std::ofstream(image).close();
    if (::truncate(image.c_str(), 16 << 20) != 0 || !run(std::string(tools.make) + " " + image)) {
        ADD_FAILURE() << "cannot make " << nameOf(fileSystem) << " with \"" << tools.make
                      << "\" (scripts/install-deps installs the tools)";
        return;
    }
    int loop = -1;
    const std::string device = attachLoop(image, loop, skipReason_);
    if (device.empty()) return;
    const bool mounted =
        *tools.mount != '\0'
            ? run(std::string(tools.mount) + " " + device + " " + mountPoint_)
            : ::mount(device.c_str(), mountPoint_.c_str(), "ext4", 0, nullptr) == 0;
    ::close(loop);  // the mount holds the device now
    if (!mounted) {
        ADD_FAILURE() << "cannot mount " << nameOf(fileSystem) << " from " << device << " with \""
                      << (*tools.mount != '\0' ? tools.mount : "mount") << "\"";
        return;
    }
    path_ = mountPoint_;
}

MountedDrive::~MountedDrive() {
    if (folder_.empty()) return;
    // A FUSE driver may still be busy for a moment after the last file closed.
    for (int attempt = 0; attempt < 50 && ::umount2(mountPoint_.c_str(), 0) != 0; ++attempt) {
        if (errno != EBUSY) break;
        ::usleep(20000);
    }
    ::umount2(mountPoint_.c_str(), MNT_DETACH);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

}  // namespace vellumix::testing
