// Preview and batch rename, against real files in a fresh temporary folder.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/rename_engine.h"
#include "support/temp_dir.h"

namespace vellumix {
namespace {

using testing::TempDir;
using Status = FileItem::Status;
using Errors = std::vector<std::pair<std::string, std::string>>;
using Contents = std::map<std::string, std::string>;  // file name -> contents
using Moved = std::vector<std::size_t>;

// Every file of the folder with its contents: proof that nothing was lost.
Contents folderContents(const TempDir& dir) {
    Contents contents;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        contents[name] = dir.read(name);
    }
    return contents;
}

// Items for files written into `dir`, each holding its own name as contents.
std::vector<FileItem> writeFiles(const TempDir& dir, const std::vector<std::string>& names) {
    std::vector<FileItem> items;
    for (const auto& name : names)
        items.emplace_back(dir.write(name, "contents of " + name));
    return items;
}

// A previewed item as the preview would give it, for renames that need no rule.
FileItem previewed(const FileUrl& url, std::string newName, Status status = Status::changed) {
    FileItem item(url);
    item.newName = std::move(newName);
    item.status = status;
    return item;
}

RenameConfig prefixConfig(std::string text) {
    RenameConfig config;
    config.rule = RenameRule::addPrefix;
    config.text = std::move(text);
    return config;
}

// --- Preview -------------------------------------------------------------

TEST(PreviewTest, DefaultsLeaveEveryNameUnchanged) {
    TempDir dir;
    auto files = writeFiles(dir, {"a.txt", "report.pdf", "README"});
    files[0].newName = "stale.txt";  // whatever the input carries is replaced
    files[0].status = Status::error;
    const auto preview = RenameEngine::preview(files, RenameConfig{});
    ASSERT_EQ(preview.size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(preview[i].id, files[i].id) << i;
        EXPECT_EQ(preview[i].url, files[i].url) << i;
        EXPECT_EQ(preview[i].newName, files[i].currentName()) << i;
        EXPECT_EQ(preview[i].status, Status::unchanged) << i;
    }
    const RenameResult result = RenameEngine::rename(preview);
    EXPECT_EQ(result.success, 0);
    EXPECT_TRUE(result.errors.empty());
    EXPECT_TRUE(result.moved.empty());
    EXPECT_TRUE(RenameEngine::preview({}, prefixConfig("x")).empty());
}

TEST(PreviewTest, NumbersFilesByTheirPositionInTheList) {
    RenameConfig config;
    config.rule = RenameRule::addNumber;
    const std::vector<FileItem> files = {FileItem(FileUrl("/d/c.txt")),
                                         FileItem(FileUrl("/d/a.txt")),
                                         FileItem(FileUrl("/d/b.txt"))};
    const auto preview = RenameEngine::preview(files, config);
    ASSERT_EQ(preview.size(), 3u);
    EXPECT_EQ(preview[0].newName, "c_01.txt");
    EXPECT_EQ(preview[1].newName, "a_02.txt");
    EXPECT_EQ(preview[2].newName, "b_03.txt");
}

TEST(PreviewTest, NameDifferingOnlyByNormalisationIsUnchangedAndNotRenamed) {
    TempDir dir;
    // "café.txt" with a precomposed é; the rule swaps in e + U+0301 COMBINING ACUTE.
    const auto files = writeFiles(dir, {"caf\xC3\xA9.txt"});
    RenameConfig config;
    config.rule = RenameRule::replace;
    config.findText = "\xC3\xA9";
    config.replaceText = "e\xCC\x81";
    const auto preview = RenameEngine::preview(files, config);
    ASSERT_EQ(preview.size(), 1u);
    EXPECT_EQ(preview[0].status, Status::unchanged) << preview[0].newName;
    const RenameResult result = RenameEngine::rename(preview);
    EXPECT_EQ(result.success, 0);
    EXPECT_TRUE(result.errors.empty());
    EXPECT_EQ(dir.read("caf\xC3\xA9.txt"), "contents of caf\xC3\xA9.txt");
}

TEST(PreviewTest, LongListGivesEachFileTheNameItGetsAlone) {
    // A long list is computed in parts side by side, and the prepared rule
    // reuses its working objects from file to file: neither may change a name.
    // Names that stop a regular expression by its time limit are mixed in, so
    // that a reused matcher follows a failed one.
    const std::vector<std::string> stems = {"IMG_0042",
                                            "holiday photo",
                                            "cafe\xCC\x81 cre\xCC\x80me",
                                            "caf\xC3\xA9",
                                            "a_b-c.d",
                                            "aab",
                                            "\xF0\x9F\x98\x80 party",
                                            "Stra\xC3\x9F"
                                            "e",
                                            "  spaced  "};
    const std::string runaway = "ab" + std::string(40, 'a');
    std::vector<FileItem> files;
    for (std::size_t i = 0; i < 10000; ++i) {
        const std::string& stem = i % 400 == 7 ? runaway : stems[i % stems.size()];
        files.emplace_back(FileUrl("/d/" + stem + " " + std::to_string(i) + ".txt"));
    }
    RenameConfig numbering;
    numbering.rule = RenameRule::addNumber;
    numbering.numberPadding = 5;
    RenameConfig regex;
    regex.rule = RenameRule::regexReplace;
    regex.findText = "(a+)+b";
    regex.replaceText = "<$0>";
    RenameConfig cleanUp;
    cleanUp.rule = RenameRule::cleanUp;
    RenameConfig replace;
    replace.rule = RenameRule::replace;
    replace.findText = "E";
    replace.replaceText = "\xC3\xA9";
    const std::vector<std::pair<const char*, RenameConfig>> cases = {
        {"numbering", numbering}, {"regex", regex}, {"clean up", cleanUp}, {"replace", replace}};
    for (const auto& [name, config] : cases) {
        const auto preview = RenameEngine::preview(files, config);
        ASSERT_EQ(preview.size(), files.size()) << name;
        for (std::size_t i = 0; i < files.size(); ++i) {
            const std::string alone =
                RenameEngine::compute(config, files[i], static_cast<std::int64_t>(i));
            ASSERT_EQ(preview[i].newName, alone) << name << " at " << i;
            ASSERT_EQ(preview[i].id, files[i].id) << name << " at " << i;
            ASSERT_EQ(preview[i].url, files[i].url) << name << " at " << i;
            const Status expected =
                alone == files[i].currentName() ? Status::unchanged : Status::changed;
            ASSERT_EQ(preview[i].status, expected) << name << " at " << i;
        }
    }
}

// --- Batch rename: the outcomes of a whole batch ---------------------------

TEST(BatchRenameTest, RenamesEveryChangedFileInItsFolder) {
    TempDir dir;
    const auto preview =
        RenameEngine::preview(writeFiles(dir, {"a.txt", "b.txt"}), prefixConfig("x"));
    ASSERT_EQ(preview.size(), 2u);
    EXPECT_EQ(preview[0].newName, "xa.txt");
    EXPECT_EQ(preview[1].newName, "xb.txt");
    EXPECT_EQ(preview[0].status, Status::changed);
    EXPECT_EQ(preview[1].status, Status::changed);

    const RenameResult result = RenameEngine::rename(preview);
    EXPECT_EQ(result.success, 2);
    EXPECT_TRUE(result.errors.empty());
    EXPECT_EQ(result.moved, (Moved{0, 1}));
    EXPECT_EQ(folderContents(dir),
              (Contents{{"xa.txt", "contents of a.txt"}, {"xb.txt", "contents of b.txt"}}));
}

TEST(BatchRenameTest, TwoFilesGivenTheSameNameLoseNoData) {
    TempDir dir;
    RenameConfig config;
    config.rule = RenameRule::removeChars;
    config.removeFrom = 1;
    config.removeCount = 1;
    const auto preview = RenameEngine::preview(writeFiles(dir, {"a1.txt", "a2.txt"}), config);
    ASSERT_EQ(preview.size(), 2u);
    EXPECT_EQ(preview[0].newName, "a.txt");
    EXPECT_EQ(preview[1].newName, "a.txt");

    const RenameResult result = RenameEngine::rename(preview);
    EXPECT_EQ(result.success, 1);
    EXPECT_EQ(result.errors, (Errors{{"a2.txt", "\u201Ca.txt\u201D already exists."}}));
    EXPECT_EQ(result.moved, Moved{0});
    EXPECT_EQ(folderContents(dir),
              (Contents{{"a.txt", "contents of a1.txt"}, {"a2.txt", "contents of a2.txt"}}));
}

// Moves that meet an existing name: the folder afterwards holds every file
// with its original contents.
TEST(BatchRenameTest, CollisionsLoseNoData) {
    struct Case {
        const char* name;
        Contents before;
        std::vector<std::pair<std::string, std::string>> renames;  // in list order
        std::int64_t success;
        Errors errors;
        Moved moved;
        Contents after;
    };
    const auto exists = [](const char* name) {
        return "\u201C" + std::string(name) + "\u201D already exists.";
    };
    const Case cases[] = {
        {"file outside the list",
         {{"a.txt", "A"}, {"taken.txt", "T"}},
         {{"a.txt", "taken.txt"}},
         0,
         {{"a.txt", exists("taken.txt")}},
         {},
         {{"a.txt", "A"}, {"taken.txt", "T"}}},
        {"chain: the later file still stands at the name",
         {{"a.txt", "A"}, {"b.txt", "B"}},
         {{"a.txt", "b.txt"}, {"b.txt", "c.txt"}},
         1,
         {{"a.txt", exists("b.txt")}},
         {1},
         {{"a.txt", "A"}, {"c.txt", "B"}}},
        {"swap",
         {{"a.txt", "A"}, {"b.txt", "B"}},
         {{"a.txt", "b.txt"}, {"b.txt", "a.txt"}},
         0,
         {{"a.txt", exists("b.txt")}, {"b.txt", exists("a.txt")}},
         {},
         {{"a.txt", "A"}, {"b.txt", "B"}}},
        {"letter case only, on a case-sensitive file system",
         {{"photo.jpg", "P"}},
         {{"photo.jpg", "Photo.jpg"}},
         1,
         {},
         {0},
         {{"Photo.jpg", "P"}}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        for (const auto& [name, contents] : c.before)
            dir.write(name, contents);
        std::vector<FileItem> items;
        for (const auto& [from, to] : c.renames)
            items.push_back(previewed(dir.urlOf(from), to));
        const RenameResult result = RenameEngine::rename(items);
        EXPECT_EQ(result.success, c.success) << c.name;
        EXPECT_EQ(result.errors, c.errors) << c.name;
        EXPECT_EQ(result.moved, c.moved) << c.name;
        EXPECT_EQ(folderContents(dir), c.after) << c.name;
    }
}

TEST(BatchRenameTest, FileDeletedAfterPreviewFailsAndTheRestGoOn) {
    TempDir dir;
    const auto preview =
        RenameEngine::preview(writeFiles(dir, {"a.txt", "b.txt", "c.txt"}), prefixConfig("x"));
    ASSERT_EQ(std::remove(dir.pathOf("b.txt").c_str()), 0);
    const RenameResult result = RenameEngine::rename(preview);
    EXPECT_EQ(result.success, 2);
    EXPECT_EQ(result.errors, (Errors{{"b.txt", "\u201Cb.txt\u201D no longer exists."}}));
    EXPECT_EQ(result.moved, (Moved{0, 2}));
    EXPECT_EQ(folderContents(dir),
              (Contents{{"xa.txt", "contents of a.txt"}, {"xc.txt", "contents of c.txt"}}));
}

TEST(BatchRenameTest, ReadOnlyFolderReportsPermission) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write into a read-only folder";
    TempDir dir;
    const FileUrl a = dir.write("a.txt", "A");
    ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
    const RenameResult result = RenameEngine::rename({previewed(a, "b.txt")});
    ::chmod(dir.path().c_str(), 0700);
    EXPECT_EQ(result.success, 0);
    EXPECT_EQ(result.errors,
              (Errors{{"a.txt", "You don't have permission to rename \u201Ca.txt\u201D."}}));
    EXPECT_EQ(dir.read("a.txt"), "A");
}

// --- Batch rename: which items are touched ---------------------------------

TEST(BatchRenameTest, EmptyNewNameIsSkippedNotReported) {
    TempDir dir;
    RenameConfig config;
    config.rule = RenameRule::removeChars;
    config.removeFrom = 0;
    config.removeCount = 5;
    const auto preview = RenameEngine::preview(writeFiles(dir, {"notes", "report.txt"}), config);
    ASSERT_EQ(preview.size(), 2u);
    EXPECT_EQ(preview[0].newName, "");
    EXPECT_EQ(preview[0].status, Status::changed);

    const RenameResult result = RenameEngine::rename(preview);
    EXPECT_EQ(result.success, 1);  // "report.txt" -> "t.txt"
    EXPECT_TRUE(result.errors.empty());
    EXPECT_EQ(result.moved, Moved{1});
    EXPECT_EQ(dir.read("notes"), "contents of notes");
}

TEST(BatchRenameTest, OnlyChangedItemsWithANewNameMove) {
    TempDir dir;
    const FileUrl a = dir.write("a.txt");
    const FileUrl b = dir.write("b.txt");
    const FileUrl c = dir.write("c.txt");
    const FileUrl d = dir.write("d.txt");
    const FileUrl e = dir.write("e.txt");
    const RenameResult result = RenameEngine::rename({
        previewed(a, "pending.txt", Status::pending),
        previewed(b, "B.txt"),
        previewed(c, "unchanged.txt", Status::unchanged),
        previewed(d, "error.txt", Status::error),
        previewed(e, "E.txt"),
    });
    EXPECT_EQ(result.success, 2);
    EXPECT_TRUE(result.errors.empty());
    EXPECT_EQ(result.moved, (Moved{1, 4}));
    for (const char* name : {"a.txt", "c.txt", "d.txt", "B.txt", "E.txt"}) {
        EXPECT_TRUE(dir.exists(name)) << name;
    }
    for (const char* name : {"b.txt", "e.txt", "pending.txt", "unchanged.txt", "error.txt"}) {
        EXPECT_FALSE(dir.exists(name)) << name;
    }
}

TEST(BatchRenameTest, NameThatIsNotUtf8IsNeverRenamed) {
    TempDir dir;
    const FileUrl bad = dir.write("bad\xFF.txt", "kept");
    const auto preview = RenameEngine::preview({FileItem(bad)}, prefixConfig("x"));
    ASSERT_EQ(preview.size(), 1u);
    EXPECT_EQ(preview[0].newName, "bad\xFF.txt");
    EXPECT_EQ(preview[0].status, Status::unchanged);
    // Even a list that claims otherwise does not rename it.
    const RenameResult result = RenameEngine::rename({previewed(bad, "good.txt")});
    EXPECT_EQ(result.success, 0);
    EXPECT_TRUE(result.errors.empty());
    EXPECT_EQ(dir.read("bad\xFF.txt"), "kept");
    EXPECT_FALSE(dir.exists("good.txt"));
}

// A new name never takes the file out of its folder, whatever stands there.
TEST(BatchRenameTest, NameThatWouldLeaveTheFolderIsRefused) {
    struct Case {
        const char* name;
        std::string newName;
        bool makeSubfolder;
        const char* reason;
    };
    const Case cases[] = {
        {"slash, no such subfolder", "sub/a.txt", false, "A name can't contain \u201C/\u201D."},
        {"slash into a subfolder", "sub/a.txt", true, "A name can't contain \u201C/\u201D."},
        {"parent folder", "../a.txt", false, "A name can't contain \u201C/\u201D."},
        {"dot dot", "..", false, "\u201C..\u201D can't be used as a name."},
        {"dot", ".", false, "\u201C.\u201D can't be used as a name."},
        {"NUL byte", std::string("a\0b.txt", 7), false, "A name can't contain a null character."},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.makeSubfolder) dir.makeDir("sub");
        const FileUrl a = dir.write("a.txt", "A");
        const RenameResult result = RenameEngine::rename({previewed(a, c.newName)});
        EXPECT_EQ(result.success, 0) << c.name;
        EXPECT_EQ(result.errors, (Errors{{"a.txt", c.reason}})) << c.name;
        EXPECT_TRUE(result.moved.empty()) << c.name;
        EXPECT_EQ(dir.read("a.txt"), "A") << c.name;
        EXPECT_FALSE(dir.exists("sub/a.txt")) << c.name;
    }
}

TEST(BatchRenameTest, SymbolicLinkIsRenamedItselfNotItsTarget) {
    TempDir dir;
    dir.write("target.txt", "T");
    ASSERT_EQ(::symlink("target.txt", dir.pathOf("link").c_str()), 0);
    const RenameResult result = RenameEngine::rename({previewed(dir.urlOf("link"), "renamed")});
    EXPECT_EQ(result.success, 1);
    EXPECT_EQ(dir.read("target.txt"), "T");
    EXPECT_EQ(dir.read("renamed"), "T");
    EXPECT_FALSE(dir.exists("link"));
}

TEST(BatchRenameTest, FolderItemIsRenamedWithItsContents) {
    TempDir dir;
    const FileUrl folder = dir.makeDir("old");  // ends with "/"
    dir.write("old/inside.txt", "I");
    const RenameResult result = RenameEngine::rename({previewed(folder, "new")});
    EXPECT_EQ(result.success, 1);
    EXPECT_TRUE(result.errors.empty());
    EXPECT_EQ(dir.read("new/inside.txt"), "I");
    EXPECT_FALSE(dir.exists("old"));
}

}  // namespace
}  // namespace vellumix
