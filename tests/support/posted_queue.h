// PostedQueue: an event loop's queue in miniature, for a view model whose
// work runs on threads of its own: the workers post, the test runs.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace vellumix::testing {

class PostedQueue {
public:
    std::function<void(std::function<void()>)> post() {
        return [this](std::function<void()> task) {
            const std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
            posted_.notify_one();
        };
    }
    // Runs the next posted task, waiting for one; false when none came.
    bool runNext() {
        std::unique_lock lock(mutex_);
        if (!posted_.wait_for(lock, std::chrono::seconds(60), [this] { return !tasks_.empty(); }))
            return false;
        std::function<void()> task = std::move(tasks_.front());
        tasks_.pop_front();
        lock.unlock();
        task();
        return true;
    }

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace vellumix::testing
