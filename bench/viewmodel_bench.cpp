// View model benchmarks: taking in 100,000 files (new or already listed, in
// one call or one call per file as a drop makes them), listing a folder of 100,000 entries,
// the parts of a foresight of a folder of 100,000 files under Add Prefix (reading the folder,
// checking that the snapshot still covers the list, walking the batch against it) and the
// marks the window makes of it, and renaming 10,000 real files and undoing that, next to the
// engine's rename alone and a bare renameat2 loop over the same renames.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench_support.h"
#include "engine/foresight.h"
#include "engine/rename_engine.h"
#include "viewmodel/preview_marks.h"
#include "viewmodel/rename_view_model.h"

namespace vellumix::bench {
namespace {

constexpr std::string_view kPrefix = "x_";

RenameConfig prefixConfig() {
    RenameConfig config;
    config.rule = RenameRule::addPrefix;
    config.text = std::string(kPrefix);
    return config;
}

// URLs in the arbitrary order of a directory listing.
std::vector<FileUrl> shuffledUrls(std::size_t count) {
    std::vector<FileUrl> urls = fileUrls(Names::ascii, count);
    std::mt19937 random(20240314);
    std::shuffle(urls.begin(), urls.end(), random);
    return urls;
}

// Times `add` on a fresh view model in each iteration (making and destroying
// the model are not timed); every one of `count` URLs must end up listed.
template <class Add>
void timeAddingToFreshModel(benchmark::State& state, std::size_t count, Add add) {
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<RenameViewModel>();
        state.ResumeTiming();
        add(*model);
        state.PauseTiming();
        if (model->files().size() != count) {
            state.SkipWithError("not every URL was added");
            break;
        }
        model.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}

void addFilesNew(benchmark::State& state, std::size_t count) {
    const std::vector<FileUrl> urls = shuffledUrls(count);
    timeAddingToFreshModel(state, count, [&urls](RenameViewModel& model) { model.addFiles(urls); });
}

void addFilesListed(benchmark::State& state, std::size_t count) {
    const std::vector<FileUrl> urls = shuffledUrls(count);
    RenameViewModel model;
    model.addFiles(urls);
    for (auto _ : state)
        model.addFiles(urls);
    if (model.files().size() != count) state.SkipWithError("an already listed URL was added");
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}

// One call per URL, as a drop of many files makes them: each call filters
// against a list that has grown by one.
void addFilesOneByOne(benchmark::State& state, std::size_t count) {
    std::vector<std::vector<FileUrl>> calls;
    for (FileUrl& url : shuffledUrls(count))
        calls.push_back({std::move(url)});
    timeAddingToFreshModel(state, count, [&calls](RenameViewModel& model) {
        for (const std::vector<FileUrl>& call : calls)
            model.addFiles(call);
    });
}

void addFolder(benchmark::State& state, std::size_t count) {
    const std::string folder = benchFolder("folder-" + std::to_string(count), false);
    if (entryCount(folder) != count) remakeFiles(folder, count);
    const FileUrl url(folder + "/");
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<RenameViewModel>();
        state.ResumeTiming();
        model->addFolder(url);
        state.PauseTiming();
        if (model->files().size() != count) {
            state.SkipWithError("the folder was not listed");
            break;
        }
        model.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}

// Sorting a listed folder of `count` files by `key`, descending (the list
// arrives ascending by code points, so every sort moves every item).
void sortFiles(benchmark::State& state, std::size_t count, SortKey key) {
    const std::string folder = benchFolder("folder-" + std::to_string(count), false);
    if (entryCount(folder) != count) remakeFiles(folder, count);
    RenameViewModel model;
    model.addFolder(FileUrl(folder + "/"));
    bool descending = true;
    for (auto _ : state) {
        model.sortFiles({key, descending});
        descending = !descending;
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}

// The preview under Add Prefix of the files of a folder of `count` entries.
std::vector<FileItem> folderPreview(std::size_t count) {
    const std::string folder = benchFolder("folder-" + std::to_string(count), false);
    if (entryCount(folder) != count) remakeFiles(folder, count);
    RenameViewModel model;
    model.addFolder(FileUrl(folder + "/"));
    model.setConfig(prefixConfig());
    return model.previewFiles();
}

// One part of a foresight, `part(preview, snapshot)`, timed on its own.
template <class Part>
void foresightPart(benchmark::State& state, std::size_t count, Part part) {
    const std::vector<FileItem> preview = folderPreview(count);
    const FolderSnapshot snapshot = FolderSnapshot::read(preview);
    for (auto _ : state)
        benchmark::DoNotOptimize(part(preview, snapshot));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}

void foresightRead(benchmark::State& state, std::size_t count) {
    foresightPart(state, count, [](const std::vector<FileItem>& preview, const FolderSnapshot&) {
        return FolderSnapshot::read(preview).covers(preview);
    });
}

void foresightCovers(benchmark::State& state, std::size_t count) {
    foresightPart(state, count,
                  [](const std::vector<FileItem>& preview, const FolderSnapshot& snapshot) {
                      return snapshot.covers(preview);
                  });
}

void foresightWalk(benchmark::State& state, std::size_t count) {
    foresightPart(state, count,
                  [](const std::vector<FileItem>& preview, const FolderSnapshot& snapshot) {
                      return foreseeFrom(snapshot, preview).success;
                  });
}

void foresightMarks(benchmark::State& state, std::size_t count) {
    const std::vector<FileItem> preview = folderPreview(count);
    const auto foresight =
        std::make_shared<const RenameResult>(foreseeFrom(FolderSnapshot::read(preview), preview));
    for (auto _ : state)
        benchmark::DoNotOptimize(marksOf(preview, foresight).marked.size());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}

// A view model holding the freshly made files of `folder`, with the prefix rule set.
std::unique_ptr<RenameViewModel> freshModel(const std::string& folder, std::size_t count) {
    remakeFiles(folder, count);
    auto model = std::make_unique<RenameViewModel>();
    model->addFolder(FileUrl(folder + "/"));
    model->setConfig(prefixConfig());
    return model;
}

// The undo of the batch that applyRename times: the same files moved back, in
// reverse order, each checked to be still the file that was renamed.
void undoRename(benchmark::State& state, std::size_t count) {
    const std::string folder = benchFolder("undo-rename", true);
    const std::string expected = "✅ " + std::to_string(count) + " file(s) renamed successfully.";
    for (auto _ : state) {
        state.PauseTiming();
        auto model = freshModel(folder, count);
        model->applyRename();
        model->setShowAlert(false);
        state.ResumeTiming();
        model->undoRename();
        state.PauseTiming();
        if (model->alertMessage() != expected || model->canUndoRename()) {
            state.SkipWithError("not every file was moved back");
            break;
        }
        model.reset();
        state.ResumeTiming();
    }
    removeFolder(folder);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}

// The batch rename of the view model: at once (applyRename), or as the
// window makes it (startRename), on the view model's own thread with its
// progress told, the result taken back on this thread.
void applyRename(benchmark::State& state, std::size_t count, bool onItsOwnThread) {
    const std::string folder = benchFolder(onItsOwnThread ? "start-rename" : "apply-rename", true);
    const std::string expected = "✅ " + std::to_string(count) + " file(s) renamed successfully.";
    std::mutex mutex;
    std::condition_variable arrived;
    std::function<void()> finish;
    for (auto _ : state) {
        state.PauseTiming();
        auto model = freshModel(folder, count);
        if (onItsOwnThread) {
            model->setBatchPost([&](std::function<void()> task) {
                const std::lock_guard lock(mutex);
                finish = std::move(task);
                arrived.notify_one();
            });
        }
        state.ResumeTiming();
        if (onItsOwnThread) {
            model->startRename();
            std::unique_lock lock(mutex);
            arrived.wait(lock, [&] { return finish != nullptr; });
            std::exchange(finish, nullptr)();
        } else {
            model->applyRename();
        }
        state.PauseTiming();
        if (model->alertMessage() != expected) {
            state.SkipWithError("not every file was renamed");
            break;
        }
        model.reset();
        state.ResumeTiming();
    }
    removeFolder(folder);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}

void engineRename(benchmark::State& state, std::size_t count) {
    const std::string folder = benchFolder("engine-rename", true);
    for (auto _ : state) {
        state.PauseTiming();
        const std::vector<FileItem> preview = freshModel(folder, count)->previewFiles();
        state.ResumeTiming();
        const RenameResult result = RenameEngine::rename(preview);
        state.PauseTiming();
        if (result.success != static_cast<std::int64_t>(count)) {
            state.SkipWithError("not every file was renamed");
            break;
        }
        state.ResumeTiming();
    }
    removeFolder(folder);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}

// The floor: the same renames (absolute paths, never replacing, in the same
// order) as a bare loop. With `back`, the loop that is timed is the one that
// moves them back, in reverse order, after the forward loop: the floor of an
// undo, which meets the folder as the batch left it.
void renameat2Loop(benchmark::State& state, std::size_t count, bool back) {
    const std::string folder = benchFolder(back ? "renameat2-back" : "renameat2-loop", true);
    const auto moveAll = [](const auto& from, const auto& to) {
        std::size_t failed = 0;
        for (std::size_t i = 0; i < from.size(); ++i) {
            failed += ::renameat2(AT_FDCWD, from[i].c_str(), AT_FDCWD, to[i].c_str(),
                                  RENAME_NOREPLACE) != 0;
        }
        return failed;
    };
    for (auto _ : state) {
        state.PauseTiming();
        remakeFiles(folder, count);
        std::vector<std::string> names;
        DIR* listing = ::opendir(folder.c_str());
        while (const dirent* entry = ::readdir(listing)) {
            if (entry->d_name[0] != '.') names.emplace_back(entry->d_name);
        }
        ::closedir(listing);
        std::sort(names.begin(), names.end());  // the order of the list: by name
        std::vector<std::string> old, renamed;
        for (const std::string& name : names) {
            old.push_back(folder + "/" + name);
            renamed.push_back(folder + "/" + std::string(kPrefix) + name);
        }
        std::size_t failed = 0;
        if (back) {
            failed += moveAll(old, renamed);
            std::reverse(old.begin(), old.end());
            std::reverse(renamed.begin(), renamed.end());
        }
        state.ResumeTiming();
        failed += back ? moveAll(renamed, old) : moveAll(old, renamed);
        state.PauseTiming();
        if (failed != 0) {
            state.SkipWithError("a rename failed");
            break;
        }
        state.ResumeTiming();
    }
    removeFolder(folder);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}

void registerAll() {
    const std::size_t many = scaled(100000);
    const std::size_t renames = scaled(10000);
    const auto add = [](const std::string& name, auto function, std::size_t count) {
        benchmark::RegisterBenchmark(
            name.c_str(), [function, count](benchmark::State& state) { function(state, count); })
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime()  // CPU: all threads of the process
            ->UseRealTime();           // the time a user waits
    };
    add("addFiles/new/" + std::to_string(many), addFilesNew, many);
    add("addFiles/alreadyListed/" + std::to_string(many), addFilesListed, many);
    add("addFiles/oneByOne/" + std::to_string(many), addFilesOneByOne, many);
    add("addFolder/" + std::to_string(many), addFolder, many);
    add("sort/name/" + std::to_string(many),
        [](benchmark::State& state, std::size_t count) { sortFiles(state, count, SortKey::name); },
        many);
    add("sort/dateModified/" + std::to_string(many),
        [](benchmark::State& state, std::size_t count) {
            sortFiles(state, count, SortKey::dateModified);
        },
        many);
    add("foresight/read/" + std::to_string(many), foresightRead, many);
    add("foresight/covers/" + std::to_string(many), foresightCovers, many);
    add("foresight/walk/" + std::to_string(many), foresightWalk, many);
    add("foresight/marks/" + std::to_string(many), foresightMarks, many);
    add("rename/applyRename/" + std::to_string(renames),
        [](benchmark::State& state, std::size_t count) { applyRename(state, count, false); },
        renames);
    add("rename/undoRename/" + std::to_string(renames), undoRename, renames);
    add("rename/startRename/" + std::to_string(renames),
        [](benchmark::State& state, std::size_t count) { applyRename(state, count, true); },
        renames);
    add("rename/engine/" + std::to_string(renames), engineRename, renames);
    add("rename/renameat2Loop/" + std::to_string(renames),
        [](benchmark::State& state, std::size_t count) { renameat2Loop(state, count, false); },
        renames);
    add("rename/renameat2LoopBack/" + std::to_string(renames),
        [](benchmark::State& state, std::size_t count) { renameat2Loop(state, count, true); },
        renames);
}

const bool registered = (registerAll(), true);

}  // namespace
}  // namespace vellumix::bench
