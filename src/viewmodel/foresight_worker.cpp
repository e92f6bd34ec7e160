#include "viewmodel/foresight_worker.h"

#include <sys/resource.h>
#include <unistd.h>

#include <utility>

namespace vellumix {

ForesightWorker::ForesightWorker(Post post, Deliver deliver)
    : post_(std::move(post)),
      deliver_(std::make_shared<Deliver>(std::move(deliver))),
      thread_([this] { run(); }) {}

ForesightWorker::~ForesightWorker() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void ForesightWorker::submit(Request request) {
    {
        const std::lock_guard lock(mutex_);
        if (pending_) request.rereadFolders = request.rereadFolders || pending_->rereadFolders;
        pending_ = std::move(request);
    }
    wake_.notify_one();
}

void ForesightWorker::run() {
    // The foresight may follow the preview a moment later: this thread gives
    // way to the window and to whatever else runs, so that the preview never
    // waits for it, yet it is never starved (as an idle-class thread is on a
    // machine whose cores are all busy).
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 19);
    for (;;) {
        Request request;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || pending_; });
            if (stopping_) return;
            request = std::move(*pending_);
            pending_.reset();
        }
        if (request.rereadFolders || !folders_.covers(*request.preview)) {
            folders_ = FolderSnapshot::read(*request.preview);
        }
        auto result = std::make_shared<const RenameResult>(foreseeFrom(folders_, *request.preview));
        // The preview was made on the UI thread: let it be freed there, as
        // before there was a foresight, not here against the UI's allocations.
        request.preview.reset();
        const std::shared_ptr<const RenameResult> previous = std::exchange(delivered_, result);
        post_([deliver = std::weak_ptr<Deliver>(deliver_), revision = request.revision,
               result = std::move(result)] {
            if (const auto alive = deliver.lock()) (*alive)(revision, result);
        });
    }
}

}  // namespace vellumix
