#include "engine/batch_undo.h"

#include "engine/batch_walk.h"
#include "engine/disk_moves.h"

namespace vellumix {
namespace {

// The move of the file at `from` to the name `to`, as an item of a batch.
FileItem moveOf(const FileUrl& from, const std::string& to) {
    FileItem item(from);
    item.newName = to;
    item.status = FileItem::Status::changed;
    return item;
}

// The moves of `batch` by the batch rename's own walk, each file refused when
// it is no longer the one the batch moved.
RenameResult replay(const std::vector<MovedFile>& batch, BatchProgress* progress) {
    std::vector<FileItem> items;
    std::vector<FileIdentity> identities;
    items.reserve(batch.size());
    identities.reserve(batch.size());
    for (const MovedFile& file : batch) {
        items.push_back(moveOf(file.from, file.newName));
        identities.push_back(file.identity);
    }
    detail::DiskMoves moves;
    return detail::walkBatch(items, moves, identities, progress);
}

}  // namespace

FileUrl MovedFile::to() const {
    const FileUrl url = from.deletingLastPathComponent().appendingPathComponent(newName);
    return from.hasDirectoryPath() ? url.appendingPathComponent("") : url;
}

std::vector<MovedFile> movedFiles(const RenameResult& result) {
    std::vector<MovedFile> moved;
    moved.reserve(result.moved.size());
    for (const RenameOutcome& outcome : result.outcomes) {
        if (outcome.kind == RenameOutcome::Kind::moved) {
            moved.push_back({outcome.url, outcome.newName, outcome.identity});
        }
    }
    return moved;
}

std::vector<MovedFile> inverseOf(const std::vector<MovedFile>& batch) {
    std::vector<MovedFile> back;
    back.reserve(batch.size());
    for (auto file = batch.rbegin(); file != batch.rend(); ++file)
        back.push_back({file->to(), file->from.lastPathComponent(), file->identity});
    return back;
}

RenameResult replayMoves(const std::vector<MovedFile>& batch) {
    return replay(batch, nullptr);
}

RenameResult replayMoves(const std::vector<MovedFile>& batch, BatchProgress& progress) {
    return replay(batch, &progress);
}

RenameResult undoMoves(const std::vector<MovedFile>& batch) {
    return replayMoves(inverseOf(batch));
}

}  // namespace vellumix
