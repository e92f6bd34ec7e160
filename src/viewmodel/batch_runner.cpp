#include "viewmodel/batch_runner.h"

#include <utility>

namespace vellumix {

BatchRunner::BatchRunner(Post post) : post_(std::move(post)) {}

BatchRunner::~BatchRunner() {
    alive_.reset();
    cancel();
    if (thread_.joinable()) thread_.join();
}

void BatchRunner::start(Batch batch, Finish finish) {
    // The thread of the batch before has ended but for handing back its result.
    if (thread_.joinable()) thread_.join();
    progress_ = std::make_shared<BatchProgress>();
    thread_ = std::thread([this, progress = progress_, batch = std::move(batch),
                           finish = std::move(finish), alive = std::weak_ptr<bool>(alive_)] {
        RenameResult result = batch(*progress);
        post_([alive, finish, result = std::move(result)]() mutable {
            if (alive.lock()) finish(std::move(result));
        });
    });
}

void BatchRunner::cancel() {
    if (progress_) progress_->cancel();
}

}  // namespace vellumix
