// RenameViewModel: state, change notification, adding files, applying the rename.

#include "viewmodel/rename_view_model.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/items.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"
#include "viewmodel/dropped_paths.h"
#include "viewmodel/folder_listing.h"

namespace vellumix {
namespace {

using namespace vellumix::testing;

std::vector<FileUrl> urls(const std::vector<std::string>& paths) {
    return {paths.begin(), paths.end()};
}

// What an observer sees of the view model at each notification.
struct Recorder {
    explicit Recorder(RenameViewModel& model)
        : subscription(model.onWillChange([this, &model] {
              seen.push_back(std::to_string(model.files().size()) + " files, '" +
                             model.alertMessage() + "', show " + std::to_string(model.showAlert()) +
                             ", processing " + std::to_string(model.isProcessing()));
          })) {}
    std::vector<std::string> seen;
    Subscription subscription;
};

TEST(ViewModelStateTest, PreviewFollowsFilesAndConfig) {
    RenameViewModel model;
    model.addFiles(urls({"/d/a.txt", "/d/b.txt"}));
    EXPECT_EQ(model.previewFiles().size(), 2u);
    EXPECT_EQ(model.changedCount(), 0);  // the defaults change no name

    model.setConfig(prefixConfig("x"));
    const auto preview = model.previewFiles();
    ASSERT_EQ(preview.size(), 2u);
    EXPECT_EQ(preview[0].id, model.files()[0].id);
    EXPECT_EQ(preview[0].newName, "xa.txt");
    EXPECT_EQ(preview[1].newName, "xb.txt");
    EXPECT_EQ(model.changedCount(), 2);
    EXPECT_EQ(model.files()[0].status, FileItem::Status::pending);  // the list stays pending
}

TEST(ViewModelNotificationTest, EveryWriteNotifiesOnceBeforeTheValueIsStored) {
    RenameViewModel model;
    Recorder recorder(model);
    model.setShowAlert(false);  // the same value still notifies
    model.setShowAlert(true);
    model.setIsProcessing(true);
    model.setAlertMessage("hello");
    model.setFiles({FileItem(FileUrl("/d/a.txt"))});
    model.setConfig(RenameConfig{});
    const std::vector<std::string> expected = {
        "0 files, '', show 0, processing 0",      "0 files, '', show 0, processing 0",
        "0 files, '', show 1, processing 0",      "0 files, '', show 1, processing 1",
        "0 files, 'hello', show 1, processing 1", "1 files, 'hello', show 1, processing 1"};
    EXPECT_EQ(recorder.seen, expected);
}

TEST(ViewModelNotificationTest, OperationsNotifyAsDocumented) {
    TempDir dir;
    dir.write("a.txt");
    dir.makeDir("empty");
    struct Case {
        const char* name;
        void (*run)(RenameViewModel&, const TempDir&);
        std::size_t notifications;
    };
    // clang-format off
    const Case cases[] = {
        {"addFiles with nothing", [](auto& m, auto&) { m.addFiles({}); }, 1},
        {"addFiles with a file", [](auto& m, auto& d) { m.addFiles({d.urlOf("a.txt")}); }, 1},
        {"addFolder", [](auto& m, auto& d) { m.addFolder(FileUrl(d.path())); }, 1},
        {"addFolder of an empty folder", [](auto& m, auto& d) { m.addFolder(d.urlOf("empty")); }, 1},
        {"addFolder unlistable", [](auto& m, auto& d) { m.addFolder(d.urlOf("missing")); }, 0},
        {"removeFiles", [](auto& m, auto&) { m.removeFiles({0, 5}); }, 1},
        {"removeFiles with nothing", [](auto& m, auto&) { m.removeFiles({}); }, 1},
        {"clear", [](auto& m, auto&) { m.setFiles({}); }, 1},
        {"config edit", [](auto& m, auto&) { m.setConfig(m.config()); }, 1},
    };
    // clang-format on
    for (const Case& c : cases) {
        RenameViewModel model;
        Recorder recorder(model);
        c.run(model, dir);
        EXPECT_EQ(recorder.seen.size(), c.notifications) << c.name;
    }
}

// A subscription ends with its handle, also a moved one, and outlives its view model.
TEST(ViewModelNotificationTest, SubscriptionEndsWithItsHandle) {
    RenameViewModel model;
    int calls = 0;
    Subscription first = model.onWillChange([&] { ++calls; });
    {
        Subscription scoped = model.onWillChange([&] { calls += 10; });
        model.setShowAlert(true);
    }
    Subscription moved = std::move(first);
    model.setShowAlert(true);
    EXPECT_EQ(calls, 12);
    moved.reset();
    model.setShowAlert(true);
    {
        RenameViewModel shortLived;
        moved = shortLived.onWillChange([&] { ++calls; });
    }
    moved.reset();
    EXPECT_EQ(calls, 12);
}

TEST(ViewModelNotificationTest, ObserversMayUnsubscribeDuringANotification) {
    RenameViewModel model;
    std::vector<std::string> calls;
    Subscription self;
    Subscription later;
    // Holds its own state so that its destruction during the call would show.
    auto token = std::make_shared<std::string>("self");
    self = model.onWillChange([&calls, &self, token] {
        self.reset();
        calls.push_back(*token);
    });
    token.reset();
    Subscription killer = model.onWillChange([&] {
        calls.push_back("killer");
        later.reset();
    });
    later = model.onWillChange([&] { calls.push_back("later"); });

    model.setShowAlert(true);
    EXPECT_EQ(calls, (std::vector<std::string>{"self", "killer"}));
    model.setShowAlert(true);
    EXPECT_EQ(calls, (std::vector<std::string>{"self", "killer", "killer"}));
}

TEST(AddFilesTest, OrderOfTheNewItems) {
    struct Case {
        const char* name;
        std::vector<std::string> given;
        std::vector<std::string> added;
    };
    const std::string nfdE = "e\xCC\x81";  // e + U+0301 COMBINING ACUTE ACCENT
    const std::string nfcE = "\xC3\xA9";   // U+00E9
    // clang-format off
    const Case cases[] = {
        {"capitals first", {"/d/b.txt", "/d/a.txt", "/d/A.txt"}, {"/d/A.txt", "/d/a.txt", "/d/b.txt"}},
        {"no number sense", {"/d/file2.txt", "/d/file10.txt"}, {"/d/file10.txt", "/d/file2.txt"}},
        {"case-sensitive", {"/d/apple.txt", "/d/Zebra.txt"}, {"/d/Zebra.txt", "/d/apple.txt"}},
        {"same name, given order", {"/y/notes.txt", "/x/notes.txt"}, {"/y/notes.txt", "/x/notes.txt"}},
        // NFC é (U+00E9) sorts after f
        {"decomposed compares composed", {"/d/" + nfdE + ".txt", "/d/f.txt"}, {"/d/f.txt", "/d/" + nfdE + ".txt"}},
        {"equivalent names keep given order", {"/d/" + nfdE + ".txt", "/d/" + nfcE + ".txt"},
         {"/d/" + nfdE + ".txt", "/d/" + nfcE + ".txt"}},
        {"by file name, not path", {"/a/z.txt", "/z/a.txt"}, {"/z/a.txt", "/a/z.txt"}},
        {"non-UTF-8 by bytes", {"/d/\xFF.txt", "/d/z.txt"}, {"/d/z.txt", "/d/\xFF.txt"}},
        {"twice in one call", {"/d/b.txt", "/d/a.txt", "/d/b.txt"}, {"/d/a.txt", "/d/b.txt", "/d/b.txt"}},
        {"folder is one item", {"/d/sub/", "/d/a.txt"}, {"/d/a.txt", "/d/sub/"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        RenameViewModel model;
        model.addFiles(urls(c.given));
        EXPECT_EQ(pathsOf(model.files()), c.added) << c.name;
    }
}

TEST(AddFilesTest, ListedUrlsAreSkippedAndNewOnesGoBehind) {
    RenameViewModel model;
    model.addFiles(urls({"/d/z.txt"}));
    const Uuid zId = model.files()[0].id;
    // Only the exact text counts: a trailing "/" or another letter case is another URL.
    model.addFiles(urls({"/d/z.txt", "/d/a.txt", "/d/z.txt/", "/D/z.txt"}));
    EXPECT_EQ(pathsOf(model.files()),
              (std::vector<std::string>{"/d/z.txt", "/d/a.txt", "/d/z.txt/", "/D/z.txt"}));
    EXPECT_EQ(model.files()[0].id, zId);
}

// What counts as listed follows every kind of edit of the list.
TEST(AddFilesTest, SkipsWhatIsListedNow) {
    TempDir dir;
    RenameViewModel model;
    model.addFiles({dir.write("a.txt"), dir.write("b.txt"), dir.urlOf("b.txt")});
    model.removeFiles({0, 1});  // a.txt and one of the two b.txt
    model.addFiles({dir.urlOf("a.txt"), dir.urlOf("b.txt")});
    EXPECT_EQ(pathsOf(model.files()), (std::vector{dir.pathOf("b.txt"), dir.pathOf("a.txt")}));
    model.setConfig(prefixConfig("x"));
    model.applyRename();
    model.addFiles({dir.urlOf("a.txt"), dir.urlOf("xa.txt")});
    EXPECT_EQ(pathsOf(model.files()),
              (std::vector{dir.pathOf("xb.txt"), dir.pathOf("xa.txt"), dir.pathOf("a.txt")}));
    model.setFiles({FileItem(dir.urlOf("c.txt"))});
    model.addFiles({dir.urlOf("xa.txt"), dir.urlOf("c.txt")});
    EXPECT_EQ(pathsOf(model.files()), (std::vector{dir.pathOf("c.txt"), dir.pathOf("xa.txt")}));
}

TEST(AddFolderTest, AddsVisibleFilesAndLinksOnly) {
    TempDir dir;
    dir.write("b.txt");
    dir.write("a.txt");
    dir.write(".hidden");
    dir.makeDir("sub");
    dir.write("sub/inner.txt");
    dir.makeDir(".git");
    ASSERT_EQ(::symlink("a.txt", dir.pathOf("link").c_str()), 0);
    ASSERT_EQ(::symlink("missing", dir.pathOf("dangling").c_str()), 0);
    ASSERT_EQ(::symlink("sub", dir.pathOf("sublink").c_str()), 0);

    RenameViewModel model;
    model.addFiles({dir.urlOf("z.txt")});
    model.addFolder(FileUrl(dir.path() + "/"));
    EXPECT_EQ(pathsOf(model.files()),
              (std::vector<std::string>{dir.pathOf("z.txt"), dir.pathOf("a.txt"),
                                        dir.pathOf("b.txt"), dir.pathOf("dangling"),
                                        dir.pathOf("link"), dir.pathOf("sublink")}));
}

// A missing path, a file, an empty path and a folder the user may not read:
// nothing is added and nobody is told.
TEST(AddFolderTest, UnlistablePathsChangeNothing) {
    TempDir dir;
    dir.write("file.txt");
    dir.makeDir("locked");
    dir.write("locked/a.txt");
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(dir.pathOf("locked").c_str(), 0), 0);
    const std::vector<std::string> paths = {dir.pathOf("missing"), dir.pathOf("file.txt"), "",
                                            dir.pathOf("locked"), dir.pathOf("locked") + "/"};
    const Unprivileged child = runUnprivileged([&] {
        std::string report;  // per path: notifications, items, listable
        for (const std::string& path : paths) {
            RenameViewModel model;
            Recorder recorder(model);
            model.addFolder(FileUrl(path));
            report += std::to_string(recorder.seen.size()) + std::to_string(model.files().size()) +
                      (listVisibleFiles(FileUrl(path)).has_value() ? "y " : "n ");
        }
        return report;
    });
    if (!child.ran) GTEST_SKIP() << child.skipReason;
    EXPECT_EQ(child.output, "00n 00n 00n 00n 00n ");
}

// A dropped (or command-line) path: a folder, spelt with or without a final
// "/", adds its visible files; a file, a link to a folder (also spelt "album/")
// and a missing file add themselves; a missing "folder/" adds nothing.
TEST(DroppedPathTest, WhatEachPathAdds) {
    TempDir dir;
    dir.write("photos/a.jpg");
    dir.write("photos/.hidden.jpg");
    dir.makeDir("photos/raw");
    dir.write("notes.txt");
    ASSERT_EQ(::symlink("photos", dir.pathOf("album").c_str()), 0);
    const std::string photos = dir.pathOf("photos");
    const std::pair<std::string, std::optional<std::vector<std::string>>> cases[] = {
        {photos, std::vector{photos + "/a.jpg"}},
        {photos + "//", std::vector{photos + "/a.jpg"}},
        {dir.pathOf("notes.txt"), std::vector{dir.pathOf("notes.txt")}},
        {dir.pathOf("album"), std::vector{dir.pathOf("album")}},
        {dir.pathOf("album/"), std::vector{dir.pathOf("album")}},
        {dir.pathOf("gone.txt"), std::vector{dir.pathOf("gone.txt")}},
        {dir.pathOf("gone/"), std::nullopt},
    };
    for (const auto& [path, expected] : cases) {
        const std::optional<std::vector<FileUrl>> files = filesOfDroppedPath(path);
        EXPECT_EQ(files ? std::optional(pathsOf(*files)) : std::nullopt, expected) << path;
    }
}

TEST(RemoveFilesTest, RemovesThePositionsGivenInOneEdit) {
    RenameViewModel model;
    model.addFiles(urls({"/d/a", "/d/b", "/d/c", "/d/d", "/d/e"}));
    const Uuid dId = model.files()[3].id;
    Recorder recorder(model);
    model.removeFiles({4, 1, 1, 99, 0});
    EXPECT_EQ(recorder.seen.size(), 1u);
    EXPECT_TRUE(recorder.seen[0].starts_with("5 files"));  // told before the edit
    EXPECT_EQ(pathsOf(model.files()), (std::vector<std::string>{"/d/c", "/d/d"}));
    EXPECT_EQ(model.files()[1].id, dId);
}

// Moved items take their new URLs; failed ones, and one the rule leaves
// unchanged (a name that is not UTF-8), keep theirs. All get new ids.
TEST(ApplyRenameTest, RebuildsTheListFromTheOutcome) {
    TempDir dir;
    dir.write("xb.txt", "already here");
    RenameViewModel model;
    model.addFiles({dir.write("a.txt", "A"), dir.write("b.txt", "B"), dir.write("c.txt", "C"),
                    dir.write("d\xFF", "D")});
    model.setConfig(prefixConfig("x"));
    const auto before = model.files();
    Recorder recorder(model);
    model.applyRename();
    const std::string result =
        "\u2705 2 renamed.\n\u274C 1 error(s):\n\u2022 b.txt: \u201Cxb.txt\u201D already exists.";
    // Processing while the files move, then the new list, the result and the alert.
    EXPECT_EQ(recorder.seen,
              (std::vector<std::string>{
                  "4 files, '', show 0, processing 0", "4 files, '', show 0, processing 1",
                  "4 files, '', show 0, processing 0", "4 files, '', show 0, processing 0",
                  "4 files, '" + result + "', show 0, processing 0"}));

    EXPECT_EQ(pathsOf(model.files()),
              (std::vector<std::string>{dir.pathOf("xa.txt"), dir.pathOf("b.txt"),
                                        dir.pathOf("xc.txt"), dir.pathOf("d\xFF")}));
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_NE(model.files()[i].id, before[i].id) << i;
        EXPECT_EQ(model.files()[i].status, FileItem::Status::pending) << i;
        EXPECT_EQ(model.files()[i].newName, "") << i;
    }
    EXPECT_EQ(model.alertMessage(), result);
    EXPECT_EQ(dir.contents(), (std::map<std::string, std::string>{{"xa.txt", "A"},
                                                                  {"b.txt", "B"},
                                                                  {"xb.txt", "already here"},
                                                                  {"xc.txt", "C"},
                                                                  {"d\xFF", "D"}}));
    EXPECT_TRUE(model.showAlert());
    EXPECT_FALSE(model.isProcessing());
    // The rule still applies, now to the new names.
    EXPECT_EQ(model.previewFiles()[0].newName, "xxa.txt");
}

}  // namespace
}  // namespace vellumix
