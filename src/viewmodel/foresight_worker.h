// ForesightWorker: works out, on a thread of its own, what a batch rename of
// a preview would do (see engine/foresight.h), and hands each result back
// through a function that runs it on the thread that owns the view model.
//
// Only the newest request counts: one made while another is being worked out
// replaces any that has not started. The folders are read on the worker
// thread, once, and again when a request asks for it or holds files of a
// folder not read yet. Destroying the worker waits for the foresight in
// progress, if any; a result it hands back afterwards is never delivered.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "engine/foresight.h"
#include "model/file_item.h"

namespace vellumix {

class ForesightWorker {
public:
    // Runs a function later on the owner's thread (an event loop's queue).
    using Post = std::function<void(std::function<void()>)>;
    // Takes a result on the owner's thread: the revision it was asked for, and the result.
    using Deliver = std::function<void(std::uint64_t, std::shared_ptr<const RenameResult>)>;

    struct Request {
        std::uint64_t revision = 0;
        std::shared_ptr<const std::vector<FileItem>> preview;
        bool rereadFolders = false;
    };

    ForesightWorker(Post post, Deliver deliver);
    ~ForesightWorker();
    ForesightWorker(const ForesightWorker&) = delete;
    ForesightWorker& operator=(const ForesightWorker&) = delete;

    void submit(Request request);

private:
    void run();

    Post post_;
    // The owner's side of every delivery; gone once the worker is destroyed.
    std::shared_ptr<Deliver> deliver_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Request> pending_;
    bool stopping_ = false;
    FolderSnapshot folders_;  // the worker thread's alone
    // The result delivered last, held until the next one is made, so that a
    // result the window has let go of is freed here, not on the UI thread.
    std::shared_ptr<const RenameResult> delivered_;  // the worker thread's alone
    std::thread thread_;
};

}  // namespace vellumix
