// Long batches on drives that take their time, and batches cut short: by the
// user's cancel, by a card pulled out of its reader, by the program killed.
// Whatever stops a batch, every file is afterwards under its old name, its new
// name or a temporary name that carries its old name, and the result tells
// the truth about each.

#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "engine/batch_progress.h"
#include "engine/case_mapping.h"
#include "engine/case_only_rename.h"
#include "support/items.h"
#include "support/mounted_drive.h"
#include "support/posted_queue.h"
#include "viewmodel/rename_view_model.h"

namespace vellumix {
namespace {

using namespace std::chrono_literals;
using testing::FileSystem;
using testing::MountedDrive;

std::string numbered(int i, const char* prefix = "f") {
    char name[16];
    std::snprintf(name, sizeof name, "%s%03d", prefix, i);
    return name;
}

// The entries of `folder` as the drive spells them.
std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename());
    return names;
}

void waitUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 6000 && !done(); ++i)
        std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(done());
}

// A cancel stops the rename before its next move; what was moved stays moved
// and can be undone, what was not is counted, stays listed with its new
// name to come and can be renamed later. A cancelled undo keeps the files it
// did not reach undoable.
TEST(LongBatchTest, CancelStopsBeforeTheNextMoveAndEveryFileCanStillBeTakenBack) {
    const MountedDrive drive(FileSystem::slow);
    if (drive.path().empty()) GTEST_SKIP() << drive.skipReason();
    constexpr int kFiles = 150;
    std::vector<FileUrl> urls;
    for (int i = 0; i < kFiles; ++i) {
        std::ofstream(drive.backing() + "/" + numbered(i)) << i;
        urls.emplace_back(drive.path() + "/" + numbered(i));
    }
    testing::PostedQueue loop;
    RenameViewModel model;
    model.setBatchPost(loop.post());
    model.addFiles(urls);
    RenameConfig config;
    config.rule = RenameRule::replace;
    config.findText = "f";
    config.replaceText = "g";
    model.setConfig(config);

    model.startRename();
    ASSERT_TRUE(model.isProcessing());
    waitUntil([&] { return model.batchStatus()->started >= 10; });
    const RenameViewModel::BatchStatus status = *model.batchStatus();
    EXPECT_EQ(status.total, kFiles);
    EXPECT_TRUE(status.currentName.starts_with("f")) << status.currentName;
    model.cancelBatch();
    EXPECT_TRUE(model.batchStatus()->cancelled);
    ASSERT_TRUE(loop.runNext());

    ASSERT_FALSE(model.isProcessing());
    EXPECT_FALSE(model.batchStatus());
    const std::set<std::string> onDisk = namesIn(drive.backing());
    int moved = 0;
    for (int i = 0; i < kFiles; ++i) {
        const bool renamed = onDisk.contains(numbered(i, "g"));
        EXPECT_NE(renamed, onDisk.contains(numbered(i))) << numbered(i);
        // The moves are made in list order: none after the first not made.
        EXPECT_TRUE(!renamed || moved == i) << numbered(i);
        moved += renamed ? 1 : 0;
    }
    EXPECT_EQ(onDisk.size(), std::size_t{kFiles});
    EXPECT_GE(moved, 10);
    EXPECT_LT(moved, kFiles);
    EXPECT_EQ(model.alertMessage(), "\u2705 " + std::to_string(moved) +
                                        " file(s) renamed successfully.\n\u23F9 " +
                                        std::to_string(kFiles - moved) +
                                        " file(s) not attempted: the batch was cancelled.");
    EXPECT_EQ(model.changedCount(), kFiles - moved);
    EXPECT_EQ(model.filesToUndo(), moved);

    model.setShowAlert(false);
    model.startUndoRename();
    waitUntil([&] { return model.batchStatus()->started >= 3; });
    model.cancelBatch();
    ASSERT_TRUE(loop.runNext());
    const std::int64_t movedBack = model.filesToRedo();
    EXPECT_GE(movedBack, 3);
    EXPECT_EQ(model.filesToUndo(), moved - movedBack);
    model.undoRename();
    EXPECT_EQ(namesIn(drive.backing()).size(), std::size_t{kFiles});
    for (int i = 0; i < kFiles; ++i)
        EXPECT_TRUE(namesIn(drive.backing()).contains(numbered(i))) << numbered(i);
}

// Where each file of a case-change batch on `card` is, against what `result`
// says of it: at its new name when moved, else where the failure says. The
// move under way when the driver was killed, the first that failed, may have
// been made or not, or made in part: the driver may die after the move and
// before its answer, or while it writes the card's records, which exFAT
// keeps no journal of. That file is at its old name, its new name or a
// temporary name that carries its old one, if it is on the card at all.
void expectResultTrueOfEachFile(const std::string& folder, const std::vector<FileItem>& items,
                                const RenameResult& result) {
    const std::set<std::string> onDisk = namesIn(folder);
    std::size_t listed = 0;
    bool failedYet = false;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const RenameOutcome& outcome = result.outcomes[i];
        const std::string name = items[i].currentName();
        std::string at = name;
        if (outcome.kind == RenameOutcome::Kind::moved) at = items[i].newName;
        if (!outcome.failure.leftAs.empty()) {
            at = outcome.failure.leftAs;
            EXPECT_EQ(detail::nameCarriedBy(at).value_or(""), name);
        }
        if (outcome.kind == RenameOutcome::Kind::failed && !std::exchange(failedYet, true)) {
            for (const std::string& entry : onDisk) {
                if (entry == name || entry == items[i].newName || detail::nameCarriedBy(entry) == name)
                    ++listed;
            }
            continue;
        }
        EXPECT_TRUE(onDisk.contains(at)) << name << " is not at " << at;
        listed += onDisk.contains(at) ? 1 : 0;
    }
    EXPECT_EQ(onDisk.size(), listed) << "a file is under a name the result does not tell";
}

std::vector<FileItem> caseChangesOn(const std::string& folder, int count) {
    std::vector<FileItem> items;
    for (int i = 0; i < count; ++i) {
        const std::string name = numbered(i, "IMG_") + ".JPG";
        std::ofstream(folder + "/" + name) << i;
        std::string lower = name;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        items.push_back(testing::previewed(FileUrl(folder + "/" + name), lower));
    }
    return items;
}

// A card pulled out of its reader mid-batch: the batch ends at once, every
// later file fails with a sentence that says the drive is gone (not the
// system's "Transport endpoint is not connected"), none of them counts as
// renamed, and once the card is back each file is where the result says.
TEST(LongBatchTest, CardPulledOutMidBatchLeavesEveryFileWhereTheResultSays) {
    MountedDrive card(FileSystem::exfat);
    if (card.path().empty()) GTEST_SKIP() << card.skipReason();
    const std::vector<FileItem> items = caseChangesOn(card.path(), 400);
    BatchProgress progress;
    RenameResult result;
    std::thread batch([&] { result = renameFiles(items, progress); });
    waitUntil([&] { return progress.started() >= 40; });
    ASSERT_TRUE(card.pullOut());
    batch.join();

    EXPECT_GE(result.success, 39);
    EXPECT_LT(result.success, 400);
    EXPECT_EQ(result.success + std::ssize(result.errors), 400);
    EXPECT_EQ(result.errors.back(),
              (std::pair<std::string, std::string>{
                  "IMG_399.JPG",
                  "\u201CIMG_399.JPG\u201D couldn't be renamed: the drive is no longer reachable."}));
    ASSERT_TRUE(card.plugBackIn());
    expectResultTrueOfEachFile(card.path(), items, result);
}

// A card pulled out between the two moves of a change of letter case (the
// driver killed as soon as the first move is seen): the file stays under its
// temporary name, which carries its old one, and the result says where it is.
TEST(LongBatchTest, CardPulledOutBetweenTheTwoMovesOfACaseChangeTellsWhereTheFileIs) {
    bool stranded = false;
    for (int attempt = 0; attempt < 20 && !stranded; ++attempt) {
        MountedDrive card(FileSystem::exfat);
        if (card.path().empty()) GTEST_SKIP() << card.skipReason();
        const std::vector<FileItem> items = caseChangesOn(card.path(), 20);
        const int watch = ::inotify_init1(IN_CLOEXEC);
        ASSERT_GE(::inotify_add_watch(watch, card.path().c_str(), IN_MOVED_TO), 0);
        RenameResult result;
        std::thread batch([&] { result = RenameEngine::rename(items); });
        alignas(inotify_event) char events[4096];
        ASSERT_GT(::read(watch, events, sizeof events), 0);  // the first move, to a temporary name
        ASSERT_TRUE(card.pullOut());
        batch.join();
        ::close(watch);
        ASSERT_TRUE(card.plugBackIn());
        expectResultTrueOfEachFile(card.path(), items, result);
        const Failure& first = result.outcomes.front().failure;
        stranded = first.kind == FailureKind::leftUnderTemporaryName;
        if (stranded) {
            EXPECT_EQ(result.errors.front().second,
                      "\u201CIMG_000.JPG\u201D couldn't be renamed and is now named \u201C" +
                          first.leftAs + "\u201D, in the same folder.");
        }
    }
    EXPECT_TRUE(stranded) << "the driver was never killed between the two moves";
}

// The program killed mid-batch: no file is hidden or lost.
TEST(LongBatchTest, ProgramKilledMidBatchHidesNoFile) {
    const MountedDrive card(FileSystem::exfat);
    if (card.path().empty()) GTEST_SKIP() << card.skipReason();
    const std::vector<FileItem> items = caseChangesOn(card.path(), 400);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        (void)RenameEngine::rename(items);
        ::_exit(0);
    }
    waitUntil([&] { return namesIn(card.path()).contains("img_020.jpg"); });
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);

    std::set<std::string> found;
    for (const std::string& name : namesIn(card.path())) {
        // Old, new or carried by a temporary name; the case aside, the old one.
        found.insert(detail::simpleUppercase(detail::nameCarriedBy(name).value_or(name)));
    }
    std::set<std::string> old;
    for (const FileItem& item : items)
        old.insert(item.currentName());
    EXPECT_EQ(found, old);
    EXPECT_EQ(namesIn(card.path()).size(), items.size());
}

}  // namespace
}  // namespace vellumix
