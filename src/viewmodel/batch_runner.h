// BatchRunner: runs one batch of moves at a time on a thread of its own, so
// that the window keeps repainting while a slow drive takes its time, and
// hands the result back through a function that runs it on the thread that
// owns the view model. How far the batch has come, and its cancel, go through
// its BatchProgress, which any thread may read.
//
// Destroying the runner cancels the batch under way and waits for it (a move
// is never cut in two); its result is then never delivered.
#pragma once

#include <functional>
#include <memory>
#include <thread>

#include "engine/batch_progress.h"
#include "viewmodel/foresight_worker.h"

namespace vellumix {

class BatchRunner {
public:
    using Post = ForesightWorker::Post;
    // The batch: the moves, told to the progress it is given.
    using Batch = std::function<RenameResult(BatchProgress&)>;
    // Takes the batch's result on the owner's thread.
    using Finish = std::function<void(RenameResult)>;

    explicit BatchRunner(Post post);
    ~BatchRunner();
    BatchRunner(const BatchRunner&) = delete;
    BatchRunner& operator=(const BatchRunner&) = delete;

    // Starts `batch` with a fresh progress; `finish` gets its result later.
    // Only one batch runs at a time: call again only once `finish` has run.
    void start(Batch batch, Finish finish);
    // The progress of the batch started last (null before the first).
    [[nodiscard]] std::shared_ptr<const BatchProgress> progress() const { return progress_; }
    void cancel();

private:
    Post post_;
    // The owner's side of every delivery; gone once the runner is destroyed.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::shared_ptr<BatchProgress> progress_;
    std::thread thread_;
};

}  // namespace vellumix
