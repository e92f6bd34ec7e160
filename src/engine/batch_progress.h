// How far a batch that runs on one thread has come, and the request to stop
// it, shared with the thread that watches it. Every member may be called from
// any thread at any time; the batch itself calls only startingMove.
#pragma once

#include <atomic>
#include <cstddef>
#include <vector>

#include "engine/rename_engine.h"
#include "model/file_item.h"

namespace vellumix {

class BatchProgress {
public:
    // Asks the batch to stop before its next move. The move under way, if
    // any, is finished: a file is never left between two names by a cancel.
    void cancel() noexcept { cancelled_.store(true, std::memory_order_relaxed); }
    [[nodiscard]] bool isCancelled() const noexcept {
        return cancelled_.load(std::memory_order_relaxed);
    }

    // How many of the batch's files to move have had their turn, the one
    // being moved included.
    [[nodiscard]] std::size_t started() const noexcept {
        return started_.load(std::memory_order_relaxed);
    }
    // The position, among the items the batch was given, of the one being
    // moved (or moved last); 0 before the first.
    [[nodiscard]] std::size_t position() const noexcept {
        return position_.load(std::memory_order_relaxed);
    }

    // Told by the batch as the item at `position` has its turn.
    void startingMove(std::size_t position) noexcept {
        position_.store(position, std::memory_order_relaxed);
        started_.fetch_add(1, std::memory_order_relaxed);
    }

private:
    std::atomic<bool> cancelled_{false};
    std::atomic<std::size_t> started_{0};
    std::atomic<std::size_t> position_{0};
};

// RenameEngine::rename(files), telling `progress` of each file to move as its
// turn comes and stopping at a cancel: every file to move whose turn had not
// come by then is left as it is, with the outcome notAttempted.
[[nodiscard]] RenameResult renameFiles(const std::vector<FileItem>& files,
                                       BatchProgress& progress);

}  // namespace vellumix
