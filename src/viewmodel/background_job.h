// BackgroundJob: runs one piece of slow work at a time (a batch of moves,
// the reading of dates) on a thread of its own, so that the window keeps
// repainting while a drive takes its time, and hands the result back through
// a function that runs it on the thread that owns the view model. How far
// the work has come, and its cancel, go through its Progress, which any
// thread may read.
//
// Destroying the job cancels the work under way and waits for it (a move is
// never cut in two); its result is then never delivered.
#pragma once

#include <functional>
#include <memory>
#include <thread>
#include <utility>

namespace vellumix {

template <class Progress, class Result>
class BackgroundJob {
public:
    // Runs a function later on the owner's thread (an event loop's queue).
    using Post = std::function<void(std::function<void()>)>;
    // The work, told to the progress it is given.
    using Work = std::function<Result(Progress&)>;
    // Takes the work's result on the owner's thread.
    using Finish = std::function<void(Result)>;

    explicit BackgroundJob(Post post) : post_(std::move(post)) {}
    ~BackgroundJob() {
        alive_.reset();
        cancel();
        if (thread_.joinable()) thread_.join();
    }
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    // Starts `work` with a fresh progress; `finish` gets its result later.
    // One at a time: call again only once `finish` has run.
    void start(Work work, Finish finish) {
        // The thread of the work before has ended but for handing back its result.
        if (thread_.joinable()) thread_.join();
        progress_ = std::make_shared<Progress>();
        thread_ = std::thread([this, progress = progress_, work = std::move(work),
                               finish = std::move(finish), alive = std::weak_ptr<bool>(alive_)] {
            Result result = work(*progress);
            post_([alive, finish, result = std::move(result)]() mutable {
                if (alive.lock()) finish(std::move(result));
            });
        });
    }
    // The progress of the work started last (null before the first).
    [[nodiscard]] std::shared_ptr<const Progress> progress() const { return progress_; }
    void cancel() {
        if (progress_) progress_->cancel();
    }

private:
    Post post_;
    // The owner's side of every delivery; gone once the job is destroyed.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::shared_ptr<Progress> progress_;
    std::thread thread_;
};

}  // namespace vellumix
