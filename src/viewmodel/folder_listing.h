// Shallow listing of one folder's visible files, as the user adds a folder.
//
// Only the folder's own entries are visited. Hidden entries (names beginning
// with ".") and directories (entries whose own type, symbolic links not
// followed, is a directory) are left out; a symbolic link counts as a file,
// whatever it points to, dangling links included. The order is the order of
// the listing, which is not defined.
//
// Used by the view model's addFolder and for dropped folders (dropped_paths.h).
// Touches only the file system; safe to call from any thread.
#pragma once

#include <optional>
#include <vector>

#include "model/file_url.h"

namespace vellumix {

// The URLs of the visible files directly inside `folder`, or nullopt when the
// folder cannot be listed (it does not exist, is not a folder, or cannot be read).
std::optional<std::vector<FileUrl>> listVisibleFiles(const FileUrl& folder);

}  // namespace vellumix
