#include "engine/foresight.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory_resource>
#include <optional>
#include <unordered_map>

#include "engine/batch_walk.h"
#include "engine/case_mapping.h"

namespace vellumix {
namespace {

// Lists the folder `fd` into `folder.names`; false when it cannot be read.
bool listNames(int fd, FolderSnapshot::Folder& folder) {
    const int listing = ::openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing == -1) return false;
    DIR* dir = ::fdopendir(listing);
    if (dir == nullptr) {
        ::close(listing);
        return false;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            isFolder = ::fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                       S_ISDIR(info.st_mode);
        }
        folder.names.emplace(folder.keyOf(name), isFolder);
    }
    ::closedir(dir);
    return true;
}

FolderSnapshot::Folder readFolder(const std::string& path) {
    FolderSnapshot::Folder folder;
    const int fd = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd == -1) {
        folder.error = errno;
        return folder;
    }
    folder.drive = detail::driveOf(fd);
    struct statfs drive {};
    if (::fstatfs(fd, &drive) == 0) {
        // FUSE drivers of Windows file systems count a name in UTF-16 units.
        folder.countsUtf16 = drive.f_type == FUSE_SUPER_MAGIC;
        folder.longestName = static_cast<std::size_t>(drive.f_namelen);
    }
    if (folder.longestName == 0) folder.longestName = 255;
    if (::faccessat(fd, "", W_OK | X_OK, AT_EMPTY_PATH) != 0 && errno != EINVAL) {
        folder.writeError = errno;
    }
    folder.listed = listNames(fd, folder);
    ::close(fd);
    return folder;
}

// The moves of a batch foreseen against a snapshot: each folder as it was
// read, with the names that the moves foreseen so far have freed or taken.
class ForeseenMoves final : public detail::MoveSpace {
public:
    explicit ForeseenMoves(const FolderSnapshot& snapshot) : snapshot_(snapshot) {}

    int enter(std::string_view path) override {
        // A batch mostly stays in one folder: it is looked up once.
        if (entered_ && path == enteredPath_) return enterError_;
        entered_ = true;
        enteredPath_ = path;
        folder_ = snapshot_.folder(path);
        enterError_ = 0;
        if (folder_ == nullptr) return 0;
        moved_ = &movedByFolder_.try_emplace(enteredPath_).first->second;
        // Room for a move of every file of the folder, made once.
        if (moved_->empty()) moved_->reserve(2 * folder_->names.size());
        enterError_ = folder_->error != 0 ? folder_->error : folder_->writeError;
        return enterError_;
    }

    [[nodiscard]] detail::Drive drive() const override {
        return folder_ != nullptr ? folder_->drive : detail::Drive::other;
    }

    [[nodiscard]] bool isFolder(const std::string& name) override {
        if (folder_ == nullptr) return false;
        const File* file = fileAt(name);
        return file != nullptr && file->second;
    }

    std::optional<Failure> move(const std::string& from, const std::string& to) override {
        if (folder_ == nullptr || !folder_->listed) return std::nullopt;
        std::string fromKey, toKey;
        const Place source = placeOf(keyFor(from, fromKey));
        const File* file = source.file;
        if (file == nullptr) return Failure{FailureKind::noLongerExists, from, to, ENOENT, {}};
        const std::size_t length = folder_->countsUtf16 ? detail::utf16Length(to) : to.size();
        if (length > folder_->longestName) {
            return Failure{FailureKind::nameTooLong, from, to, ENAMETOOLONG, {}};
        }
        const Place target = placeOf(keyFor(to, toKey));
        if (const File* there = target.file) {
            // The file itself under another spelling: a change of letter case alone.
            if (from != to && there == file) return std::nullopt;
            return Failure{FailureKind::alreadyExists, from, to, EEXIST, {}};
        }
        record(source, nullptr);
        record(target, file);
        return std::nullopt;
    }

    [[nodiscard]] FileIdentity identityOf(const std::string&) override { return {}; }

private:
    // A file of the snapshot: its key there and whether it is a folder.
    using File = FolderSnapshot::NameMap<bool>::value_type;

    // The key of `name` in the folder entered: the name itself, or where the
    // drive ignores letter case, its key made in `buffer`.
    std::string_view keyFor(std::string_view name, std::string& buffer) const {
        if (!detail::ignoresCase(folder_->drive)) return name;
        buffer = folder_->keyOf(name);
        return buffer;
    }
    // A key of the folder entered: the file that stands under it now (or
    // null), and the snapshot's own entry under it, if it has one.
    struct Place {
        std::string_view key;
        const File* listed;
        const File* file;
    };
    Place placeOf(std::string_view key) const {
        const auto listed = folder_->names.find(key);
        const File* entry = listed != folder_->names.end() ? &*listed : nullptr;
        if (const auto moved = moved_->find(key); moved != moved_->end()) {
            return {key, entry, moved->second};
        }
        return {key, entry, entry};
    }
    // Which file of the snapshot stands at `name` now, or null.
    const File* fileAt(std::string_view name) const {
        std::string buffer;
        return placeOf(keyFor(name, buffer)).file;
    }
    // Records that `file` (or nothing) stands at `place` now. The record's key
    // is the snapshot's own, or a copy kept for the walk.
    void record(const Place& place, const File* file) {
        const std::string_view key = place.listed != nullptr ? std::string_view(place.listed->first)
                                                             : kept(place.key);
        moved_->insert_or_assign(key, file);
    }
    std::string_view kept(std::string_view key) {
        char* copy = static_cast<char*>(arena_.allocate(key.size(), 1));
        std::copy(key.begin(), key.end(), copy);
        return {copy, key.size()};
    }

    const FolderSnapshot& snapshot_;
    // The keys the moves bring in are made for one walk and dropped with it:
    // they are taken from one growing buffer and given back at once.
    std::pmr::monotonic_buffer_resource arena_;
    bool entered_ = false;
    std::string enteredPath_;
    int enterError_ = 0;
    const FolderSnapshot::Folder* folder_ = nullptr;
    // Per folder path: the keys whose file the foreseen moves changed, and
    // the file now at each, or null. Files are the snapshot's own entries,
    // which stay where they are: the snapshot does not change.
    using Moved = FolderSnapshot::FlatMap<std::string_view, const File*>;
    std::unordered_map<std::string, Moved> movedByFolder_;  // node-based: a Moved stays put
    Moved* moved_ = nullptr;
};

}  // namespace

std::string FolderSnapshot::Folder::keyOf(std::string_view name) const {
    if (!detail::ignoresCase(drive)) return std::string(name);
    return detail::simpleUppercase(name);
}

FolderSnapshot FolderSnapshot::read(const std::vector<FileItem>& files) {
    FolderSnapshot snapshot;
    std::string_view last;
    for (const FileItem& item : files) {
        const std::string_view path = detail::folderOf(item.url.path());
        if (path == last) continue;
        last = path;
        if (snapshot.folders_.find(path) != snapshot.folders_.end()) continue;
        const std::string folder(path);
        snapshot.folders_.emplace(folder, readFolder(folder));
    }
    return snapshot;
}

const FolderSnapshot::Folder* FolderSnapshot::folder(std::string_view path) const {
    const auto found = folders_.find(path);
    return found != folders_.end() ? &found->second : nullptr;
}

bool FolderSnapshot::covers(const std::vector<FileItem>& files) const {
    // A list mostly holds runs of files of one folder: each run is looked up once.
    std::string_view last;
    for (const FileItem& item : files) {
        const std::string_view path = detail::folderOf(item.url.path());
        if (path == last) continue;
        if (folders_.find(path) == folders_.end()) return false;
        last = path;
    }
    return true;
}

RenameResult foreseeFrom(const FolderSnapshot& snapshot, const std::vector<FileItem>& files) {
    ForeseenMoves moves(snapshot);
    return detail::walkBatch(files, moves);
}

}  // namespace vellumix
