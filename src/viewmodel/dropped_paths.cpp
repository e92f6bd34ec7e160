#include "viewmodel/dropped_paths.h"

#include <filesystem>
#include <system_error>

#include "viewmodel/folder_listing.h"

namespace vellumix {

std::optional<std::vector<FileUrl>> filesOfDroppedPath(const std::string& path) {
    namespace fs = std::filesystem;
    std::string entry = path;
    while (entry.size() > 1 && entry.back() == '/')
        entry.pop_back();
    std::error_code error;
    const fs::file_status status = fs::symlink_status(fs::path(entry), error);
    if (fs::is_directory(status))
        return listVisibleFiles(FileUrl(entry.size() > 1 ? entry + "/" : entry));
    if (entry.size() == path.size() || fs::exists(status)) return std::vector{FileUrl(entry)};
    return std::nullopt;
}

}  // namespace vellumix
