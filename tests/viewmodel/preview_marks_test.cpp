// The marks of a preview's rows: warnings about new names, files the rename
// skips, renames the foresight says will fail, and the stepping between them.

#include "viewmodel/preview_marks.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "viewmodel/name_warning.h"

namespace vellumix {
namespace {

using namespace vellumix::testing;
using Mark = PreviewMarks::Mark;

TEST(NameWarningTest, HiddenAndOnlyExtension) {
    struct Row {
        const char* name;
        const char* current;
        const char* renamed;
        NameWarnings expected;
    };
    const Row rows[] = {
        {"a plain rename", "B.txt", "b.txt", {}},
        {"the base name removed", "B.txt", ".txt", {true, true}},
        {"a dot prefixed", "notes.md", ".notes.md", {true, false}},
        {"hidden already", ".bashrc", ".bashrc.bak", {}},
        {"hidden already, only the extension left", ".a.txt", ".txt", {false, true}},
        {"the extension is the last one", "a.tar.gz", ".gz", {true, true}},
        {"another extension", "a.txt", ".md", {true, false}},
        {"no extension", "README", ".", {true, false}},
        {"a trailing dot is no extension", "name.", ".", {true, false}},
        {"the extension without its dot", "a.txt", "txt", {}},
        {"an empty new name", "a.txt", "", {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(nameWarnings(row.current, row.renamed), row.expected) << row.name;
}

TEST(PreviewMarksTest, ReadableNames) {
    EXPECT_EQ(readableName("caf\xC3\xA9.txt"), "caf\xC3\xA9.txt");  // UTF-8 as it is
    EXPECT_EQ(readableName("caf\xE9.txt"), "caf\\xE9.txt");
    EXPECT_EQ(readableName("\xC3(\xF0\x9F\x98"), "\\xC3(\\xF0\\x9F\\x98");  // truncated sequences
    EXPECT_EQ(readableName("\xED\xA0\x80"), "\\xED\\xA0\\x80");            // a surrogate
}

// A folder holding B.txt and b.txt, lowercased: B.txt will fail (b.txt is
// there), c.txt will not; beside them, names that are skipped or warned about.
TEST(PreviewMarksTest, MarksCountsAndSteps) {
    const TempDir dir;
    const std::vector<std::string> names = {"B.txt", "b.txt", "C.txt", "caf\xE9.txt", "D.txt",
                                            "E.txt"};
    std::vector<FileItem> preview;
    for (const std::string& name : names)
        preview.emplace_back(dir.write(name));
    const auto rename = [&preview](std::size_t i, std::string to) {
        preview[i].newName = std::move(to);
        preview[i].status = preview[i].newName == preview[i].currentName()
                                ? FileItem::Status::unchanged
                                : FileItem::Status::changed;
    };
    rename(0, "b.txt");
    rename(1, "b.txt");
    rename(2, "c.txt");
    rename(3, "caf\xE9.txt");
    rename(4, ".txt");
    rename(5, "");

    const PreviewMarks before = marksOf(preview, nullptr);
    EXPECT_EQ(before.rows, (std::vector<Mark>{Mark::none, Mark::none, Mark::none, Mark::notUtf8,
                                              Mark::warning, Mark::emptyName}));
    EXPECT_EQ(before.failures, 0);

    const PreviewMarks marks =
        marksOf(preview, std::make_shared<const RenameResult>(RenameEngine::foresee(preview)));
    EXPECT_EQ(marks.rows, (std::vector<Mark>{Mark::willFail, Mark::none, Mark::none, Mark::notUtf8,
                                             Mark::warning, Mark::emptyName}));
    EXPECT_EQ(marks.marked, (std::vector<std::size_t>{0, 3, 4, 5}));
    EXPECT_EQ((std::vector<std::int64_t>{marks.failures, marks.skipped, marks.warnings}),
              (std::vector<std::int64_t>{1, 2, 1}));
    EXPECT_EQ(marks.at(99), Mark::none);

    // Stepping from no row, from between marked rows, and around the ends.
    EXPECT_EQ(marks.after(std::nullopt), 0u);
    EXPECT_EQ(marks.before(std::nullopt), 5u);
    EXPECT_EQ(marks.after(1), 3u);
    EXPECT_EQ(marks.before(3), 0u);
    EXPECT_EQ(marks.after(5), 0u);
    EXPECT_EQ(marks.before(0), 5u);
    EXPECT_EQ(marksOf({}, nullptr).after(0), std::nullopt);

    // A foresight of another list is none.
    preview.pop_back();
    EXPECT_EQ(marksOf(preview, marks.foresight).failures, 0);
}

}  // namespace
}  // namespace vellumix
