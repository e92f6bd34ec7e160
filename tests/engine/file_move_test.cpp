// The no-replace move and each of its stages, on real files.

#include "engine/file_move.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "engine/case_only_rename.h"
#include "engine/utf8.h"
#include "support/escaped_bytes.h"
#include "support/mounted_drive.h"
#include "support/temp_dir.h"

namespace vellumix::detail {
namespace {

using vellumix::testing::escapedBytes;
using vellumix::testing::TempDir;

struct Stage {
    const char* name;
    int (*move)(int, const std::string&, const std::string&);
};

// The primary move, both fallbacks and the rename that also changes letter
// case alone must keep the same promise; ext4 and tmpfs accept the flag, so the
// fallbacks are called here directly.
const Stage kStages[] = {
    {"renameat2", &moveWithoutReplacing},
    {"link + unlink",
     [](int f, const std::string& a, const std::string& b) { return moveByHardLink(f, a, b); }},
    {"check + rename", &moveAfterCheck},
    {"also by letter case alone", &renameAllowingCaseOnlyChange},
};

TEST(FileMoveTest, EveryStageMovesOnlyToAFreeName) {
    using Contents = std::map<std::string, std::string>;  // "-> x": a symbolic link to x
    struct Case {
        const char* name;
        Contents before;
        bool hardLinkOfAAtB;
        int error;
        Contents after;
    };
    // The same file under the new name (a hard link here, the other spelling
    // where letter case is ignored) still refuses: the rename within the folder
    // moves it through a temporary name and back. A link moves as the link.
    // clang-format off
    const Case cases[] = {
        {"free name", {{"a.txt", "A"}}, false, 0, {{"b.txt", "A"}}},
        {"existing destination", {{"a.txt", "A"}, {"b.txt", "B"}}, false, EEXIST, {{"a.txt", "A"}, {"b.txt", "B"}}},
        {"dangling link at the destination", {{"a.txt", "A"}, {"b.txt", "-> missing"}}, false, EEXIST,
         {{"a.txt", "A"}, {"b.txt", "-> missing"}}},
        {"the same file at the destination", {{"a.txt", "A"}}, true, EEXIST, {{"a.txt", "A"}, {"b.txt", "A"}}},
        {"missing source", {}, false, ENOENT, {}},
        {"dangling link as the source", {{"a.txt", "-> missing"}}, false, 0, {{"b.txt", "-> missing"}}},
    };
    // clang-format on
    for (const Stage& s : kStages) {
        for (const Case& c : cases) {
            TempDir dir;
            for (const auto& [name, contents] : c.before)
                contents.starts_with("-> ")
                    ? std::filesystem::create_symlink(contents.substr(3), dir.pathOf(name))
                    : (void)dir.write(name, contents);
            if (c.hardLinkOfAAtB)
                std::filesystem::create_hard_link(dir.pathOf("a.txt"), dir.pathOf("b.txt"));
            EXPECT_EQ(s.move(AT_FDCWD, dir.pathOf("a.txt"), dir.pathOf("b.txt")), c.error)
                << s.name << ": " << c.name;
            EXPECT_EQ(dir.contents(), c.after) << s.name << ": " << c.name;
        }
    }
}

// The name a file has between the two moves of a change of letter case tells
// whoever finds it after an interruption which file it is, and still fits.
TEST(FileMoveTest, TemporaryNameCarriesTheNameAndFits) {
    const std::string photo = temporaryNameFor("IMG_0001.JPG");
    EXPECT_TRUE(photo.starts_with("IMG_0001.JPG.vellumix-renaming-")) << photo;
    EXPECT_EQ(photo.size(), std::string("IMG_0001.JPG.vellumix-renaming-").size() + 8);
    EXPECT_NE(temporaryNameFor("IMG_0001.JPG"), photo);  // fresh each time

    // "x" and 127 two-byte letters, 255 bytes: the cut falls inside a letter
    // and moves before it.
    std::string longest = "x";
    for (int i = 0; i < 127; ++i)
        longest += "\xC3\xA9";
    const std::string cut = temporaryNameFor(longest);
    EXPECT_LE(cut.size(), 255u);
    EXPECT_TRUE(isValidUtf8(cut)) << escapedBytes(cut);
    EXPECT_EQ(cut.substr(0, cut.find(".vellumix-renaming-")), longest.substr(0, 1 + 2 * 113));
}

// Only a difference in ASCII letters' case lets the second move of a case
// change go unchecked: every drive that ignores case folds those alike.
TEST(FileMoveTest, OnlyAsciiCaseDifferencesAreTheFilesOwnName) {
    const struct {
        std::string_view a, b;
        bool alone;
    } cases[] = {
        {"IMG_0001.JPG", "img_0001.jpg", true},
        {"a.txt", "A.txt", true},
        {"a.txt", "a.txt", false},                // the same name is no change
        {"\xC3\x89.txt", "\xC3\xA9.txt", false},  // É/é: a drive's own table decides
        {"a.txt", "b.txt", false},
        {"ab", "abc", false},
        {"a[", "A{", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(differInAsciiCaseAlone(c.a, c.b), c.alone) << c.a << " / " << c.b;
    }
}

// A drive without the no-replace flag (NTFS through ntfs-3g) is asked for it
// once per folder; a folder, which no drive hard-links, does not make the
// files after it fall back to the weaker check-then-rename.
TEST(FileMoveTest, AFolderLearnsWhatItsDriveRefusesAndAFolderMovedTeachesNothing) {
    const testing::MountedDrive drive(testing::FileSystem::ntfs);
    if (drive.path().empty()) GTEST_SKIP() << drive.skipReason();
    std::filesystem::create_directory(drive.path() + "/album");
    std::ofstream(drive.path() + "/a.jpg") << "A";
    const int folder = ::open(drive.path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    MoveAbilities known;
    EXPECT_EQ(moveWithoutReplacing(folder, "album", "x_album", known), 0);
    EXPECT_TRUE(known.refusesNoReplace);
    EXPECT_FALSE(known.refusesHardLinks);
    EXPECT_EQ(moveWithoutReplacing(folder, "a.jpg", "x_a.jpg", known), 0);
    EXPECT_FALSE(known.refusesHardLinks);
    ::close(folder);
    EXPECT_TRUE(std::filesystem::is_directory(drive.path() + "/x_album"));
    EXPECT_TRUE(std::filesystem::exists(drive.path() + "/x_a.jpg"));
}

TEST(FileMoveTest, NamesThatCannotStayInTheFolder) {
    struct Case {
        std::string newName;
        std::optional<FailureKind> kind;  // nothing when the name is fine
    };
    const Case cases[] = {
        {"a.txt", std::nullopt},
        {".hidden", std::nullopt},
        {"...", std::nullopt},
        {"caf\xC3\xA9 \xF0\x9F\x93\xB7.jpg", std::nullopt},
        {"", FailureKind::emptyName},
        {"a/b", FailureKind::nameWithSlash},
        {std::string("a\0b", 3), FailureKind::nameWithNull},
        {".", FailureKind::reservedName},
        {"..", FailureKind::reservedName},
        {"\xED\xA0\x80", FailureKind::reservedName},
    };
    for (const Case& c : cases)
        EXPECT_EQ(invalidNameKind(c.newName), c.kind) << escapedBytes(c.newName);
}

// A drive that refuses a name with "no such file" or "invalid" while the file
// is still there and nothing is at the new name: the name is the problem.
TEST(FileMoveTest, FailureOfANameTheDriveCannotHoldIsToldAsSuch) {
    TempDir dir;
    dir.write("a.txt", "A");
    dir.write("taken.txt", "T");
    const auto kind = [&](const char* from, const char* to, int error) {
        return moveFailureKind(AT_FDCWD, dir.pathOf(from), dir.pathOf(to), error);
    };
    EXPECT_EQ(kind("a.txt", "b:c.txt", ENOENT), FailureKind::nameNotOnDrive);
    EXPECT_EQ(kind("a.txt", "b:c.txt", EINVAL), FailureKind::nameNotOnDrive);
    EXPECT_EQ(kind("a.txt", "b:c.txt", EILSEQ), FailureKind::nameNotOnDrive);
    EXPECT_EQ(kind("gone.txt", "b.txt", ENOENT), FailureKind::noLongerExists);
    EXPECT_EQ(kind("a.txt", "taken.txt", ENOENT), FailureKind::noLongerExists);
    EXPECT_EQ(kind("a.txt", "b.txt", EACCES), FailureKind::permissionDenied);
}

}  // namespace
}  // namespace vellumix::detail
