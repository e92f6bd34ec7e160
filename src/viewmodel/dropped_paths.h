// What a path dropped on the file list (or given on the command line) adds to
// the list: a folder adds its visible files, as Add Folder does; anything else
// adds itself.
//
// Whether an entry is a folder goes by its own type: a symbolic link is added
// as a file, wherever it points, and "photos/" names the entry "photos". A
// path that names nothing is added as given (the batch then reports it gone),
// unless it claims to be a folder. Touches only the file system; safe to call
// from any thread.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/file_url.h"

namespace vellumix {

// The files that the absolute `path` adds, for one addFiles call; nothing when
// it adds none (a folder that cannot be listed, a missing "folder/").
std::optional<std::vector<FileUrl>> filesOfDroppedPath(const std::string& path);

}  // namespace vellumix
