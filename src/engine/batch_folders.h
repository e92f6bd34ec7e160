// The folders of one batch rename, each opened once. Every move of the batch
// names its files relative to its folder's handle, so a folder that is renamed
// or swapped for a symbolic link in the middle of the batch cannot redirect the
// later moves, and no move walks the folder's path again.
//
// Internal to the engine; one object serves one batch on one thread.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "engine/drive_names.h"
#include "engine/file_move.h"

namespace vellumix::detail {

// One folder of the batch: its O_PATH handle, or -1 with the errno of the
// failed open in `error`; and the drive it is on.
struct OpenFolder {
    int fd = -1;
    int error = 0;
    Drive drive = Drive::other;
    MoveAbilities abilities;  // what the moves in it learnt of its drive
};

class BatchFolders {
public:
    BatchFolders() = default;
    ~BatchFolders();
    BatchFolders(const BatchFolders&) = delete;
    BatchFolders& operator=(const BatchFolders&) = delete;

    // The folder at `path` ("/a/b/"; "./" is the working folder), opened on its
    // first use; the reference lasts until the next call. Should the process
    // run out of file handles, the folders opened so far are closed first.
    OpenFolder& open(std::string_view path);

private:
    void closeAll();

    std::unordered_map<std::string, OpenFolder> folders_;
    OpenFolder* last_ = nullptr;  // the folder of the previous call
    std::string_view lastPath_;         // its path, a key of `folders_`
};

}  // namespace vellumix::detail
