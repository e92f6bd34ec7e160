// A fresh, empty drive of one file system, mounted for one test: tmpfs, or an
// image made and mounted with the file system's own tools (FUSE for exFAT, FAT
// and NTFS). Unmounted when the object dies, or by the next run after a crash.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <sys/types.h>

namespace vellumix::testing {

// `local` mounts nothing: it is the system's temporary folder. `slow` is no
// file system of its own but a FUSE passthrough of a folder in which every
// move takes 5 ms (support/slow_drive.py); the drives of kFileSystems are
// what the tests run on each, the slow one is for long batches alone.
enum class FileSystem { local, tmpfs, ext4, exfat, fat, ntfs, slow };

constexpr FileSystem kFileSystems[] = {FileSystem::local, FileSystem::tmpfs, FileSystem::ext4,
                                       FileSystem::exfat, FileSystem::fat,   FileSystem::ntfs};

std::string_view nameOf(FileSystem fileSystem);
inline void PrintTo(FileSystem fileSystem, std::ostream* out) {
    *out << nameOf(fileSystem);
}
// What the tests expect of the drives, as measured on these machines: exFAT and
// FAT ignore letter case and hold no "*:<>?\| or control characters; exFAT,
// FAT and NTFS hold only names that are UTF-8 (FAT through fusefat: ASCII).
constexpr bool ignoresCase(FileSystem f) {
    return f == FileSystem::exfat || f == FileSystem::fat;
}
constexpr bool holdsAnyBytes(FileSystem f) {
    return f <= FileSystem::ext4;
}

// A drive whose FUSE driver stops answering would keep a test waiting for
// ever, in a sleep that no timeout can end. So a FUSE drive still mounted
// `hungAfter` after it was made (no test on these small drives takes half
// as long) has its driver killed: the waiting calls fail at once, and the
// test fails, saying that the drive did not answer.
class MountedDrive {
public:
    explicit MountedDrive(FileSystem fileSystem,
                          std::chrono::seconds hungAfter = std::chrono::seconds(120));
    ~MountedDrive();
    MountedDrive(const MountedDrive&) = delete;
    MountedDrive& operator=(const MountedDrive&) = delete;

    // The folder to make test folders in, or "" when there is no drive.
    const std::string& path() const { return path_; }
    // Why mounting is impossible here (not root, no /dev/fuse, no loop
    // devices), also printed to stderr, or "". A drive that could have been
    // mounted but was not (a tool missing or failing) is a test failure.
    const std::string& skipReason() const { return skipReason_; }
    // Kills the FUSE driver that serves the drive, as when a card is pulled
    // out of its reader: every call on it fails from then on. False when no
    // driver was found.
    bool pullOut() const;
    // Stops the FUSE driver without killing it, as a driver that hangs, and
    // lets it go on again.
    bool freeze() const;
    bool thaw() const;
    // After pullOut, mounts the drive's image again, as when the card goes
    // back into its reader. False when that fails.
    bool plugBackIn();
    // The folder the slow drive passes through, to fill it fast; "" for others.
    std::string backing() const;

private:
    // Sends `signal` to the FUSE driver of the drive; false when none was found.
    bool signalDriver(int signal) const;
    // Finds the processes that serve the mount point, once per mount, so that
    // a signal reaches them within microseconds of a test deciding to send it.
    void findDriver();

    std::string folder_;  // holds the image and the mount point
    std::string mountCommand_;
    bool slow_ = false;
    std::string mountPoint_;
    std::string path_;
    std::string skipReason_;
    mutable std::mutex driverMutex_;
    std::vector<pid_t> driver_;
    std::mutex mutex_;
    std::condition_variable unmounting_;
    bool isUnmounting_ = false;
    std::thread watchdog_;
};

// A test run once on each of kFileSystems; it skips where the drive cannot be
// mounted.
class OnEachDrive : public ::testing::TestWithParam<FileSystem> {
protected:
    void SetUp() override {
        if (drive_.path().empty()) GTEST_SKIP() << drive_.skipReason();
    }
    const std::string& drive() const { return drive_.path(); }
    FileSystem fileSystem() const { return GetParam(); }

private:
    MountedDrive drive_{GetParam()};
};

}  // namespace vellumix::testing
