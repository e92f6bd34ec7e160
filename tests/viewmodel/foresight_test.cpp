// The view model's foresight: never one for an older list or configuration,
// worked out on a thread of its own when asked to, and the folders read anew
// when the window says files may have changed behind its back.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "support/items.h"
#include "support/posted_queue.h"
#include "support/temp_dir.h"
#include "viewmodel/rename_view_model.h"

namespace vellumix {
namespace {

using namespace vellumix::testing;

RenameConfig lowercase() {
    RenameConfig config;
    config.rule = RenameRule::caseChange;
    config.caseOption = CaseOption::lowercase;
    return config;
}

void askForesight(RenameViewModel& model) {
    model.foresee(model.revision(),
                  std::make_shared<const std::vector<FileItem>>(model.previewFiles()));
}

std::vector<std::string> failedNames(const RenameViewModel& model) {
    std::vector<std::string> names;
    for (const auto& [name, reason] : model.foresight()->errors)
        names.push_back(name);
    return names;
}

TEST(ForesightTest, TellsTheFailureBeforeTheClickAndIsDroppedByAnyEdit) {
    TempDir dir;
    RenameViewModel model;
    model.addFiles({dir.write("B.txt"), dir.write("b.txt"), dir.write("C.txt")});
    model.setConfig(lowercase());
    int told = 0;
    const Subscription subscription = model.onForesight([&] { ++told; });
    askForesight(model);
    ASSERT_NE(model.foresight(), nullptr);
    EXPECT_EQ(told, 1);
    EXPECT_EQ(model.foresight()->success, 1);  // C.txt -> c.txt
    ASSERT_EQ(model.foresight()->errors.size(), 1u);
    EXPECT_EQ(model.foresight()->errors[0].second, "\u201Cb.txt\u201D already exists.");

    model.setConfig(prefixConfig("x"));
    EXPECT_EQ(model.foresight(), nullptr);
    askForesight(model);
    EXPECT_EQ(model.foresight()->success, 3);
    model.removeFiles({0});
    EXPECT_EQ(model.foresight(), nullptr);
}

TEST(ForesightTest, OnItsOwnThreadAResultForAnOlderRevisionIsNeverTaken) {
    TempDir dir;
    PostedQueue queue;
    RenameViewModel model;
    model.setForesightPost(queue.post());
    model.addFiles({dir.write("B.txt"), dir.write("b.txt")});
    model.setConfig(lowercase());
    askForesight(model);
    model.setConfig(prefixConfig("x"));  // before the result comes in
    ASSERT_TRUE(queue.runNext());
    EXPECT_EQ(model.foresight(), nullptr);

    askForesight(model);
    ASSERT_TRUE(queue.runNext());
    ASSERT_NE(model.foresight(), nullptr);
    EXPECT_EQ(model.foresight()->success, 2);
    EXPECT_TRUE(model.foresight()->errors.empty());

    // A file appears behind the program's back: seen once the folders are read anew.
    dir.write("xb.txt");
    askForesight(model);
    ASSERT_TRUE(queue.runNext());
    EXPECT_TRUE(model.foresight()->errors.empty());  // what was read still holds
    model.refreshFolders();
    ASSERT_TRUE(queue.runNext());
    EXPECT_EQ(failedNames(model), std::vector<std::string>{"b.txt"});
}

TEST(ForesightTest, AfterTheRenameTheFoldersAreReadAnew) {
    TempDir dir;
    PostedQueue queue;
    RenameViewModel model;
    model.setForesightPost(queue.post());
    model.addFiles({dir.write("a.txt")});
    model.setConfig(prefixConfig("x"));
    askForesight(model);
    ASSERT_TRUE(queue.runNext());
    model.applyRename();  // a.txt -> xa.txt; the list now holds xa.txt
    model.setConfig(RenameConfig{});
    model.setConfig(prefixConfig("x"));
    dir.write("xxa.txt");
    askForesight(model);
    ASSERT_TRUE(queue.runNext());
    ASSERT_EQ(failedNames(model), std::vector<std::string>{"xa.txt"});
    EXPECT_EQ(model.foresight()->errors[0].second, "\u201Cxxa.txt\u201D already exists.");
}

}  // namespace
}  // namespace vellumix
