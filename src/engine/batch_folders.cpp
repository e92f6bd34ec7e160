#include "engine/batch_folders.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace vellumix::detail {
namespace {

OpenFolder openFolder(const std::string& path) {
    OpenFolder folder;
    folder.fd = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder.fd == -1) {
        folder.error = errno;
    } else {
        folder.drive = driveOf(folder.fd);
    }
    return folder;
}

}  // namespace

BatchFolders::~BatchFolders() {
    closeAll();
}

OpenFolder& BatchFolders::open(std::string_view path) {
    // A list holds the files of one folder after another, most often.
    if (last_ != nullptr && path == lastPath_) return *last_;
    auto found = folders_.find(std::string(path));
    if (found == folders_.end()) {
        std::string key(path);
        OpenFolder folder = openFolder(key);
        if (folder.error == EMFILE || folder.error == ENFILE) {
            closeAll();
            folder = openFolder(key);
        }
        found = folders_.emplace(std::move(key), folder).first;
    }
    last_ = &found->second;
    lastPath_ = found->first;
    return *last_;
}

void BatchFolders::closeAll() {
    for (const auto& [path, folder] : folders_) {
        if (folder.fd != -1) ::close(folder.fd);
    }
    folders_.clear();
    last_ = nullptr;
    lastPath_ = {};
}

}  // namespace vellumix::detail
