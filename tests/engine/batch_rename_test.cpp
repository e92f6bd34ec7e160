// Preview and batch rename, against real files in a fresh temporary folder.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/case_only_rename.h"
#include "engine/rename_engine.h"
#include "support/items.h"
#include "support/mounted_drive.h"
#include "support/temp_dir.h"

namespace vellumix {
namespace {

using namespace vellumix::testing;
using Status = FileItem::Status;
using Contents = std::map<std::string, std::string>;  // path in the folder -> contents

TEST(PreviewTest, NameDifferingOnlyByNormalisationIsUnchangedAndNotRenamed) {
    TempDir dir;
    // "café.txt" with a precomposed é; the rule swaps in e + U+0301 COMBINING ACUTE.
    RenameConfig config;
    config.rule = RenameRule::replace;
    config.findText = "\xC3\xA9";
    config.replaceText = "e\xCC\x81";
    const auto preview =
        RenameEngine::preview({FileItem(dir.write("caf\xC3\xA9.txt", "C"))}, config);
    EXPECT_EQ(preview[0].status, Status::unchanged) << preview[0].newName;
    EXPECT_EQ(RenameEngine::rename(preview).success, 0);
    EXPECT_EQ(dir.contents(), (Contents{{"caf\xC3\xA9.txt", "C"}}));
}

// A file that an interrupted change of letter case left under its temporary
// name is offered back under the name it carries, whatever the rule; a name
// that only looks like one gets the rule's name.
TEST(PreviewTest, FileLeftUnderATemporaryNameIsOfferedItsNameBack) {
    TempDir dir;
    const std::string stranded = detail::temporaryNameFor("IMG_0001.JPG");
    const auto preview = RenameEngine::preview(
        {FileItem(dir.write(stranded)), FileItem(dir.write("a.vellumix-renaming-zzzzzzzz")),
         FileItem(dir.write(".vellumix-renaming-3f2a91c0"))},
        prefixConfig("x_"));
    EXPECT_EQ(preview[0].newName, "IMG_0001.JPG");
    EXPECT_EQ(preview[0].status, Status::changed);
    EXPECT_EQ(preview[1].newName, "x_a.vellumix-renaming-zzzzzzzz");
    EXPECT_EQ(preview[2].newName, "x_.vellumix-renaming-3f2a91c0");
    EXPECT_EQ(RenameEngine::rename(preview).success, 3);
    EXPECT_TRUE(dir.exists("IMG_0001.JPG"));
}

TEST(PreviewTest, LongListGivesEachFileTheNameItGetsAlone) {
    // A long list is computed in parts side by side, and the prepared rule
    // reuses its working objects from file to file: neither may change a name.
    // Names that stop a regular expression by its time limit are mixed in, so
    // that a reused matcher follows a failed one.
    const std::vector<std::string> stems = {
        "IMG_0042",         "holiday photo", "cafe\u0301 cre\u0300me",
        "caf\u00E9",        "a_b-c.d",       "aab",
        "\U0001F600 party", "Stra\u00DFe",   "  spaced  "};
    const std::string runaway = "ab" + std::string(40, 'a');
    std::vector<FileItem> files;
    for (std::size_t i = 0; i < 10000; ++i) {
        const std::string& stem = i % 400 == 7 ? runaway : stems[i % stems.size()];
        files.emplace_back(FileUrl("/d/" + stem + " " + std::to_string(i) + ".txt"));
    }
    std::vector<RenameConfig> configs(4);
    configs[0].rule = RenameRule::addNumber;
    configs[0].numberPadding = 5;
    configs[1].rule = RenameRule::regexReplace;
    configs[1].findText = "(a+)+b";
    configs[1].replaceText = "<$0>";
    configs[2].rule = RenameRule::cleanUp;
    configs[3].rule = RenameRule::replace;
    configs[3].findText = "E";
    configs[3].replaceText = "\xC3\xA9";
    for (const RenameConfig& config : configs) {
        const auto preview = RenameEngine::preview(files, config);
        ASSERT_EQ(preview.size(), files.size()) << rawValue(config.rule);
        for (std::size_t i = 0; i < files.size(); ++i) {
            const std::string alone = RenameEngine::compute(config, files[i], std::int64_t(i));
            const Status status =
                alone == files[i].currentName() ? Status::unchanged : Status::changed;
            ASSERT_EQ(preview[i].newName, alone) << rawValue(config.rule) << " at " << i;
            ASSERT_EQ(preview[i].id, files[i].id) << rawValue(config.rule) << " at " << i;
            ASSERT_EQ(preview[i].status, status) << rawValue(config.rule) << " at " << i;
        }
    }
}

// The drives a row of the outcome table holds on; the others give another
// outcome, in a row of its own.
using Drives = bool (*)(FileSystem);
constexpr Drives all = [](FileSystem) { return true; };
constexpr Drives heedsCase = [](FileSystem f) { return !ignoresCase(f); };
constexpr Drives fusefat = [](FileSystem f) { return f == FileSystem::fat; };
constexpr Drives notFusefat = [](FileSystem f) { return f != FileSystem::fat; };

using BatchRenameTest = OnEachDrive;
INSTANTIATE_TEST_SUITE_P(, BatchRenameTest, ::testing::ValuesIn(kFileSystems),
                         ::testing::PrintToStringParamName());

// A batch on real files: which items move, what is reported, and that the
// folder afterwards holds every file with its original contents.
TEST_P(BatchRenameTest, OutcomesOfABatch) {
    struct Move {
        std::string from;
        std::string to;
        Status status = Status::changed;
    };
    struct Case {
        const char* name;
        Contents before;          // a name ending in "/" is a folder
        std::vector<Move> moves;  // in list order; a file not in `before` was deleted
        std::vector<std::pair<std::string, std::string>> errors;
        std::vector<std::size_t> moved;
        Contents after;
        Drives drives = all;
    };
    const auto exists = [](std::string n) { return "\u201C" + n + "\u201D already exists."; };
    const auto notOnDrive = [](std::string n) {
        return "\u201C" + n + "\u201D can't be used as a name on this drive.";
    };
    const std::string slash = "A name can't contain \u201C/\u201D.";
    const std::string n250(250, 'n');

    // clang-format off
    const Case cases[] = {
        {"each file renamed",
         {{"a.txt", "A"}, {"b.txt", "B"}}, {{"a.txt", "xa.txt"}, {"b.txt", "xb.txt"}},
         {}, {0, 1}, {{"xa.txt", "A"}, {"xb.txt", "B"}}},
        {"two files given one name, and a name taken outside the list",
         {{"a1.txt", "1"}, {"a2.txt", "2"}, {"b.txt", "B"}, {"taken.txt", "T"}},
         {{"a1.txt", "a.txt"}, {"a2.txt", "a.txt"}, {"b.txt", "taken.txt"}},
         {{"a2.txt", exists("a.txt")}, {"b.txt", exists("taken.txt")}}, {0},
         {{"a.txt", "1"}, {"a2.txt", "2"}, {"b.txt", "B"}, {"taken.txt", "T"}}},
        {"chain: the later file still stands at the name",
         {{"a.txt", "A"}, {"b.txt", "B"}}, {{"a.txt", "b.txt"}, {"b.txt", "c.txt"}},
         {{"a.txt", exists("b.txt")}}, {1}, {{"a.txt", "A"}, {"c.txt", "B"}}},
        {"swap",
         {{"a.txt", "A"}, {"b.txt", "B"}}, {{"a.txt", "b.txt"}, {"b.txt", "a.txt"}},
         {{"a.txt", exists("b.txt")}, {"b.txt", exists("a.txt")}}, {}, {{"a.txt", "A"}, {"b.txt", "B"}}},
        {"letter case only",
         {{"IMG_0001.JPG", "1"}, {"notes.txt", "N"}}, {{"IMG_0001.JPG", "img_0001.jpg"}, {"notes.txt", "Notes.TXT"}},
         {}, {0, 1}, {{"img_0001.jpg", "1"}, {"Notes.TXT", "N"}}},
        {"two folders: each file moves in its own, beside a file of the same name in the other",
         {{"one/", ""}, {"one/a.txt", "A"}, {"one/b.txt", "unlisted"}, {"two/", ""}, {"two/b.txt", "B"}},
         {{"one/a.txt", "xa.txt"}, {"two/b.txt", "xb.txt"}}, {}, {0, 1},
         {{"one/", ""}, {"one/xa.txt", "A"}, {"one/b.txt", "unlisted"}, {"two/", ""}, {"two/xb.txt", "B"}}},
        {"file deleted after the preview",
         {{"a.txt", "A"}, {"c.txt", "C"}}, {{"a.txt", "xa.txt"}, {"b.txt", "xb.txt"}, {"c.txt", "xc.txt"}},
         {{"b.txt", "\u201Cb.txt\u201D no longer exists."}}, {0, 2}, {{"xa.txt", "A"}, {"xc.txt", "C"}}},
        {"only changed items with a new name move; the others are not reported",
         {{"a", "A"}, {"b", "B"}, {"c", "C"}, {"d", "D"}, {"notes", "N"}},
         {{"a", "p", Status::pending}, {"b", "u", Status::unchanged}, {"c", "e", Status::error},
          {"d", "D2"}, {"notes", ""}},
         {}, {3}, {{"a", "A"}, {"b", "B"}, {"c", "C"}, {"D2", "D"}, {"notes", "N"}}},
        {"name not UTF-8 never renamed",
         {{"bad\xFF.txt", "K"}}, {{"bad\xFF.txt", "good.txt"}}, {}, {}, {{"bad\xFF.txt", "K"}}, holdsAnyBytes},
        {"folder with its contents",
         {{"old/", ""}, {"old/in.txt", "I"}}, {{"old/", "new"}},
         {}, {0}, {{"new/", ""}, {"new/in.txt", "I"}}, notFusefat},
        {"folder with its contents",  // fusefat would empty it
         {{"old/", ""}, {"old/in.txt", "I"}}, {{"old/", "new"}},
         {{"old", "\u201Cold\u201D couldn't be renamed (Operation not supported)."}}, {},
         {{"old/", ""}, {"old/in.txt", "I"}}, fusefat},
        {"names that would leave the folder, hold a NUL byte or are not UTF-8",
         {{"a.txt", "A"}, {"b.txt", "B"}, {"c.txt", "C"}, {"d.txt", "D"}, {"sub/", ""}},
         {{"a.txt", "sub/a.txt"}, {"b.txt", "../b.txt"}, {"c.txt", std::string("a\0b", 3)},
          {"d.txt", "d\xFF.txt"}},
         {{"a.txt", slash}, {"b.txt", slash}, {"c.txt", "A name can't contain a null character."},
          {"d.txt", "\u201Cd\xFF.txt\u201D can't be used as a name."}}, {},
         {{"a.txt", "A"}, {"b.txt", "B"}, {"c.txt", "C"}, {"d.txt", "D"}, {"sub/", ""}}},
        {"255 bytes, then 256",
         {{"a.txt", "A"}, {"b.txt", "B"}}, {{"a.txt", n250 + "a.txt"}, {"b.txt", n250 + "nb.txt"}},
         {{"b.txt", "The new name is too long."}}, {0}, {{n250 + "a.txt", "A"}, {"b.txt", "B"}}},
        // Deseret letters: ICU knows their case, exFAT's table does not, so
        // both names stand side by side there and the second move must check.
        {"another file has the new name in letters only some drives fold",
         {{"\U00010428.txt", "small"}, {"\U00010400.txt", "capital"}}, {{"\U00010428.txt", "\U00010400.txt"}},
         {{"\U00010428.txt", exists("\U00010400.txt")}}, {},
         {{"\U00010428.txt", "small"}, {"\U00010400.txt", "capital"}}, notFusefat},
        {"another file has the new name in other letters; characters FAT can't hold",
         {{"a.txt", "A"}, {"B.txt", "B"}, {"c.txt", "C"}}, {{"a.txt", "b.txt"}, {"c.txt", "c:?\t.txt"}},
         {{"a.txt", exists("b.txt")}, {"c.txt", notOnDrive("c:?\t.txt")}}, {},
         {{"a.txt", "A"}, {"B.txt", "B"}, {"c.txt", "C"}}, ignoresCase},
        {"another file has the new name in other letters; characters FAT can't hold",
         {{"a.txt", "A"}, {"B.txt", "B"}, {"c.txt", "C"}}, {{"a.txt", "b.txt"}, {"c.txt", "c:?\t.txt"}},
         {}, {0, 1}, {{"b.txt", "A"}, {"B.txt", "B"}, {"c:?\t.txt", "C"}}, heedsCase},
    };
    // clang-format on
    for (const Case& c : cases) {
        if (!c.drives(fileSystem())) continue;
        TempDir dir(drive());
        for (const auto& [name, contents] : c.before)
            name.ends_with('/') ? dir.makeDir(name) : dir.write(name, contents);
        std::vector<FileItem> items;
        for (const Move& m : c.moves)
            items.push_back(previewed(dir.urlOf(m.from), m.to, m.status));
        const RenameResult result = RenameEngine::rename(items);
        EXPECT_EQ(result.success, std::ssize(c.moved)) << c.name;
        EXPECT_EQ(result.errors, c.errors) << c.name;
        EXPECT_EQ(result.moved, c.moved) << c.name;
        EXPECT_EQ(dir.contents(), c.after) << c.name;
    }
}

// What happened to each item, as data: every item given has its outcome, in
// order, with the URL it had and the name it got or was to get.
TEST(BatchOutcomeTest, EachItemsOutcome) {
    using Kind = RenameOutcome::Kind;
    TempDir dir;
    const std::vector<FileItem> items = {
        previewed(dir.write("a.txt", "A"), "xa.txt"),
        previewed(dir.write("b.txt", "B"), "b.txt", Status::unchanged),
        previewed(dir.write("c.txt", "C"), ""),
        previewed(dir.write("d\xFF.txt", "D"), "d.txt"),
        previewed(dir.write("e.txt", "E"), "xa.txt"),
    };
    const RenameResult result = RenameEngine::rename(items);
    ASSERT_EQ(result.outcomes.size(), items.size());
    const Kind kinds[] = {Kind::moved, Kind::unchanged, Kind::emptyName, Kind::notUtf8,
                          Kind::failed};
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(result.outcomes[i].kind, kinds[i]) << i;
        EXPECT_EQ(result.outcomes[i].url, items[i].url) << i;
        EXPECT_EQ(result.outcomes[i].newName, items[i].newName) << i;
    }
    const Failure& failure = result.outcomes[4].failure;
    EXPECT_EQ(failure.kind, FailureKind::alreadyExists);
    EXPECT_EQ(failure.name, "e.txt");
    EXPECT_EQ(failure.newName, "xa.txt");
}

}  // namespace
}  // namespace vellumix
