#include "engine/rename_engine.h"

namespace vellumix {

// Placeholder until preview and batch rename land.
std::vector<FileItem> RenameEngine::preview(const std::vector<FileItem>& files,
                                            const RenameConfig& config) {
    std::vector<FileItem> result;
    result.reserve(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        FileItem item = files[i];
        item.newName = compute(config, item, static_cast<std::int64_t>(i));
        item.status = item.newName == item.currentName() ? FileItem::Status::unchanged
                                                         : FileItem::Status::changed;
        result.push_back(std::move(item));
    }
    return result;
}

RenameResult RenameEngine::rename(const std::vector<FileItem>&) { return {}; }

}  // namespace vellumix
