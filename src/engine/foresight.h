// Foresight: what a batch rename would do, worked out without moving
// anything. The folders of a list are read once into a FolderSnapshot; the
// batch is then walked against it by the rename's own rules (batch_walk.h),
// with each move foreseen in memory, so that foreseeing again after every
// keystroke asks nothing of the drive.
//
// A snapshot is a value: once read it may be shared between threads.
#pragma once

#include <absl/container/flat_hash_map.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/drive_names.h"
#include "engine/rename_engine.h"
#include "model/file_item.h"

namespace vellumix {

class FolderSnapshot {
public:
    // Names under their keys (see Folder::keyOf), each with what is known of
    // it, in one flat table: a lookup costs one or two reads of memory, not a
    // walk through nodes all over the heap. Looked up by views, without a copy.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    template <class Key, class Value>
    using FlatMap = absl::flat_hash_map<Key, Value, NameHash, std::equal_to<>>;
    template <class Value>
    using NameMap = FlatMap<std::string, Value>;

    // One folder as it was read.
    struct Folder {
        int error = 0;  // errno of opening it, as the rename would; then nothing else is known
        int writeError =
            0;  // errno that writing in it gives (read-only drive, no permission), or 0
        bool listed = false;  // whether its names could be read
        detail::Drive drive = detail::Drive::other;
        bool countsUtf16 = false;     // its drive measures names in UTF-16 units, not bytes
        std::size_t longestName = 0;  // the longest name it holds, in those units
        // Its names, each under its key (see keyOf), telling whether it is a folder.
        NameMap<bool> names;

        // The key under which this folder's drive finds `name`: the name
        // itself, or where the drive ignores letter case, its capital form.
        [[nodiscard]] std::string keyOf(std::string_view name) const;
    };

    // Reads every folder that holds an item of `files`.
    [[nodiscard]] static FolderSnapshot read(const std::vector<FileItem>& files);

    // The folder at `path` ("/a/b/"), or null when it was not read.
    [[nodiscard]] const Folder* folder(std::string_view path) const;
    // Whether every folder that holds an item of `files` was read.
    [[nodiscard]] bool covers(const std::vector<FileItem>& files) const;

private:
    NameMap<Folder> folders_;  // under their paths
};

// What RenameEngine::rename(files) would return had it run when `snapshot`
// was read: the same outcomes, counts, sentences and moved positions. Items
// in folders the snapshot does not hold, or could not list, are foreseen as moved.
[[nodiscard]] RenameResult foreseeFrom(const FolderSnapshot& snapshot,
                                       const std::vector<FileItem>& files);

}  // namespace vellumix
