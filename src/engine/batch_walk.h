// The walk of a batch rename: the rules that decide, item by item in list
// order, what happens to each file. The rename walks the drive itself; the
// foresight walks what was read of it, so the two cannot drift apart.
//
// Internal to the engine.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/batch_progress.h"
#include "engine/drive_names.h"
#include "engine/failure.h"
#include "engine/rename_engine.h"
#include "model/file_item.h"

namespace vellumix::detail {

// The folders a batch moves files in, as the walk sees them.
class MoveSpace {
public:
    virtual ~MoveSpace() = default;

    // Makes the folder at `path` ("/a/b/"; "./" is the working folder) the one
    // of the calls that follow. Returns 0, or the errno of why no file in it
    // can be moved.
    virtual int enter(std::string_view path) = 0;
    // The drive the folder entered is on.
    [[nodiscard]] virtual Drive drive() const = 0;
    // Whether `name` in the folder entered is a folder.
    [[nodiscard]] virtual bool isFolder(const std::string& name) = 0;
    // Gives `from` the name `to` in the folder entered, never replacing another
    // file, a change of letter case alone included (see case_only_rename.h).
    // Returns nothing, or why the move is refused.
    virtual std::optional<Failure> move(const std::string& from, const std::string& to) = 0;
    // Which file stands at `name` in the folder entered; unknown when not asked.
    [[nodiscard]] virtual FileIdentity identityOf(const std::string& name) = 0;
};

// The folder that `path` lies in, as FileUrl::deletingLastPathComponent()
// gives it ("/a/b/", "/" or "./"): a view into `path` or a constant.
[[nodiscard]] std::string_view folderOf(std::string_view path);

// What renaming `files` one at a time in list order does in `space`: each
// `changed` item with a non-empty new name that is one valid component of
// its own folder is moved; the others are skipped or refused. With
// `expected` (one identity per item), an item whose file is no longer that
// one is refused as replaced. With `progress`, each `changed` item is told
// to it as its turn comes, and after a cancel none is moved.
RenameResult walkBatch(const std::vector<FileItem>& files, MoveSpace& space,
                       const std::vector<FileIdentity>& expected = {},
                       BatchProgress* progress = nullptr);

}  // namespace vellumix::detail
