// Preview of a whole list and the batch rename on disk.

#include <chrono>
#include <utility>

#include "engine/file_move.h"
#include "engine/name_computer.h"
#include "engine/rename_engine.h"
#include "engine/unicode_text.h"

namespace vellumix {
namespace {

// An item the batch rename acts on: previewed as changed to a non-empty name,
// under a current name that is valid UTF-8 (other names are never renamed).
bool selectedForMove(const FileItem& item, const std::string& currentName) {
    return item.status == FileItem::Status::changed && !item.newName.empty() &&
           detail::isValidUtf8(currentName);
}

}  // namespace

std::vector<FileItem> RenameEngine::preview(const std::vector<FileItem>& files,
                                            const RenameConfig& config) {
    std::vector<FileItem> result;
    if (files.empty()) return result;
    result.reserve(files.size());
    // One rule, prepared once with one clock reading, for the whole list: every
    // file of one preview gets the same date.
    const detail::NameComputer computer(config, std::chrono::system_clock::now());
    for (std::size_t i = 0; i < files.size(); ++i) {
        FileItem& item = result.emplace_back(files[i]);
        const std::string currentName = item.currentName();
        item.newName = computer.nameFor(currentName, static_cast<std::int64_t>(i));
        // Byte-equal names are the common case and need no normalisation.
        const bool same =
            item.newName == currentName || detail::canonicallyEqual(item.newName, currentName);
        item.status = same ? FileItem::Status::unchanged : FileItem::Status::changed;
    }
    return result;
}

RenameResult RenameEngine::rename(const std::vector<FileItem>& files) {
    RenameResult result;
    std::size_t selected = 0;
    for (const FileItem& item : files) {
        selected += item.status == FileItem::Status::changed && !item.newName.empty();
    }
    result.moved.reserve(selected);

    for (std::size_t i = 0; i < files.size(); ++i) {
        const FileItem& item = files[i];
        std::string name = item.currentName();
        if (!selectedForMove(item, name)) continue;
        // The new name stays one component of the file's own folder.
        if (std::string reason = detail::invalidNameReason(item.newName); !reason.empty()) {
            result.errors.emplace_back(std::move(name), std::move(reason));
            continue;
        }
        const FileUrl destination =
            item.url.deletingLastPathComponent().appendingPathComponent(item.newName);
        if (const int error = detail::moveWithoutReplacing(item.url.path(), destination.path());
            error != 0) {
            std::string reason = detail::moveFailureText(error, name, item.newName);
            result.errors.emplace_back(std::move(name), std::move(reason));
            continue;
        }
        ++result.success;
        result.moved.push_back(i);
    }
    return result;
}

}  // namespace vellumix
