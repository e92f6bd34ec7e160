#include "support/mounted_drive.h"

#include <signal.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace vellumix::testing {
namespace {

namespace fs = std::filesystem;

// Every drive lives in DRIVES/<file system>-<pid>-<number>/{image,mount}.
const fs::path kDrives = fs::temp_directory_path() / "vellumix-drives";

// Unmounts and removes what processes that are gone left behind; their loop
// devices detach themselves once unmounted.
void removeLeftovers() {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(kDrives, ignored)) {
        const std::string name = entry.path().filename();
        const pid_t owner = static_cast<pid_t>(std::atol(name.c_str() + name.find('-') + 1));
        if (owner <= 0 || ::kill(owner, 0) == 0 || errno != ESRCH) continue;
        ::umount2((entry.path() / "mount").c_str(), MNT_DETACH);
        fs::remove_all(entry.path(), ignored);
    }
}

bool run(const std::string& command) {
    const std::string quiet = "(PATH=/usr/sbin:/sbin:$PATH; " + command + ") >/dev/null 2>&1";
    return std::system(quiet.c_str()) == 0;
}

}  // namespace

std::string_view nameOf(FileSystem fileSystem) {
    constexpr std::string_view names[] = {"local", "tmpfs", "ext4", "exfat",
                                          "fat",   "ntfs",  "slow"};
    return names[static_cast<int>(fileSystem)];
}

MountedDrive::MountedDrive(FileSystem fileSystem, std::chrono::seconds hungAfter) {
    if (fileSystem == FileSystem::local) {
        path_ = fs::temp_directory_path();
        return;
    }
    if (::geteuid() != 0) {
        skipReason_ = "mounting needs root";
    } else if (fileSystem >= FileSystem::exfat && ::access("/dev/fuse", R_OK | W_OK) != 0) {
        skipReason_ = "no /dev/fuse";
    } else if (fileSystem != FileSystem::tmpfs && fileSystem != FileSystem::slow &&
               ::access("/dev/loop-control", W_OK) != 0) {
        skipReason_ = "no loop devices";
    }
    if (!skipReason_.empty()) {
        skipReason_ = "cannot mount " + std::string(nameOf(fileSystem)) + ": " + skipReason_;
        std::cerr << "\n*** " << skipReason_ << ": the tests on this drive are SKIPPED ***\n\n";
        return;
    }
    static std::atomic<int> count{0};
    removeLeftovers();
    folder_ = kDrives / (std::string(nameOf(fileSystem)) + "-" + std::to_string(::getpid()) + "-" +
                         std::to_string(count++));
    mountPoint_ = folder_ + "/mount";
    slow_ = fileSystem == FileSystem::slow;
    fs::create_directories(mountPoint_);
    // How each file system is made on an image and mounted from it; util-linux's
    // mount sets up a loop device that detaches itself when unmounted.
    const std::string image = folder_ + "/image";
    const std::string commands[] = {
        "",
        "mount -t tmpfs -o size=16m tmpfs " + mountPoint_,
        "mkfs.ext4 -q -F " + image + " && mount -o loop " + image + " " + mountPoint_,
        "mkfs.exfat " + image + " && mount -o loop -t exfat-fuse " + image + " " + mountPoint_,
        "mkfs.vfat " + image + " && fusefat -o rw+ " + image + " " + mountPoint_,
        "mkntfs -q -F -f " + image + " && mount -o loop -t ntfs-3g " + image + " " + mountPoint_,
        "mkdir " + backing() + " && (/usr/bin/python3 " VELLUMIX_SLOW_DRIVE " " + backing() + " " +
            mountPoint_ + " 5 &) && for i in $(seq 200); do mountpoint -q " + mountPoint_ +
            " && exit 0; sleep 0.05; done; exit 1",
    };
    const std::string& command = commands[static_cast<int>(fileSystem)];
    // Mounting again takes what made the image away.
    const std::size_t made = command.find("&& ");
    mountCommand_ = made == std::string::npos ? command : command.substr(made + 3);
    if (!run("truncate -s 16M " + image + " && " + command)) {
        ADD_FAILURE() << "cannot make and mount " << nameOf(fileSystem) << ": " << command
                      << " (scripts/install-deps installs the tools)";
        return;
    }
    path_ = mountPoint_;
    if (fileSystem < FileSystem::exfat) return;
    findDriver();  // the kernel's own drives answer or fail
    watchdog_ = std::thread([this, hungAfter, name = std::string(nameOf(fileSystem))] {
        std::unique_lock lock(mutex_);
        if (unmounting_.wait_for(lock, hungAfter, [this] { return isUnmounting_; })) return;
        lock.unlock();
        pullOut();
        ADD_FAILURE() << "the " << name << " drive did not answer within " << hungAfter.count()
                      << " s: its driver was killed so that the test ends";
    });
}

void MountedDrive::findDriver() {
    std::vector<pid_t> found;
    for (const fs::directory_entry& process : fs::directory_iterator("/proc")) {
        const std::string pid = process.path().filename();
        if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream file(process.path() / "cmdline", std::ios::binary);
        std::string arguments((std::istreambuf_iterator<char>(file)), {});
        std::replace(arguments.begin(), arguments.end(), '\0', ' ');
        if ((arguments + ' ').find(' ' + mountPoint_ + ' ') == std::string::npos) continue;
        found.push_back(static_cast<pid_t>(std::stoi(pid)));
    }
    const std::lock_guard lock(driverMutex_);
    driver_ = std::move(found);
}

bool MountedDrive::signalDriver(int signal) const {
    const std::lock_guard lock(driverMutex_);
    bool sent = false;
    for (const pid_t pid : driver_) sent = ::kill(pid, signal) == 0 || sent;
    return sent;
}

bool MountedDrive::pullOut() const {
    return signalDriver(SIGKILL);
}

bool MountedDrive::freeze() const {
    return signalDriver(SIGSTOP);
}

bool MountedDrive::thaw() const {
    return signalDriver(SIGCONT);
}

bool MountedDrive::plugBackIn() {
    ::umount2(mountPoint_.c_str(), MNT_DETACH);
    const bool mounted = run(mountCommand_);
    findDriver();
    return mounted;
}

std::string MountedDrive::backing() const {
    return slow_ ? folder_ + "/backing" : std::string();
}

MountedDrive::~MountedDrive() {
    if (watchdog_.joinable()) {
        {
            const std::lock_guard lock(mutex_);
            isUnmounting_ = true;
        }
        unmounting_.notify_one();
        watchdog_.join();
    }
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
