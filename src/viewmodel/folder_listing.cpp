#include "viewmodel/folder_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <memory>
#include <string_view>

namespace vellumix {
namespace {

enum class EntryKind { file, directory, gone };

// The entry's own type; a symbolic link is not followed.
EntryKind kindOf(int folderFd, const dirent& entry) {
    if (entry.d_type == DT_DIR) return EntryKind::directory;
    if (entry.d_type != DT_UNKNOWN) return EntryKind::file;
    // Some file systems do not report the type in the listing: ask for it.
    struct stat info {};
    if (::fstatat(folderFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) return EntryKind::gone;
    return S_ISDIR(info.st_mode) ? EntryKind::directory : EntryKind::file;
}

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

}  // namespace

std::optional<std::vector<FileUrl>> listVisibleFiles(const FileUrl& folder) {
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.path().c_str()));
    if (!dir) return std::nullopt;
    const int folderFd = ::dirfd(dir.get());
    std::vector<FileUrl> files;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (entry == nullptr) {
            if (errno != 0) return std::nullopt;  // a listing cut short is no listing
            break;
        }
        const std::string_view name = entry->d_name;
        if (name.empty() || name.front() == '.') continue;  // hidden, and "." and ".."
        if (kindOf(folderFd, *entry) != EntryKind::file) continue;
        files.push_back(folder.appendingPathComponent(name));
    }
    return files;
}

}  // namespace vellumix
