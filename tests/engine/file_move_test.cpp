// The no-replace move, each of its stages on real files, and its sentences.

#include "engine/file_move.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <string>

#include "engine/drive_names.h"
#include "support/escaped_bytes.h"
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
    {"link + unlink", &moveByHardLink},
    {"check + rename", &moveAfterCheck},
    {"within the folder", &renameWithinFolder},
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

TEST(FileMoveTest, NamesThatCannotStayInTheFolder) {
    struct Case {
        std::string newName;
        const char* reason;  // "" when the name is fine
    };
    const Case cases[] = {
        {"a.txt", ""},
        {".hidden", ""},
        {"...", ""},
        {"caf\xC3\xA9 \xF0\x9F\x93\xB7.jpg", ""},
        {"", "A name can't be empty."},
        {"a/b", "A name can't contain \u201C/\u201D."},
        {".", "\u201C.\u201D can't be used as a name."},
        {"..", "\u201C..\u201D can't be used as a name."},
        {"\xED\xA0\x80", "\u201C\xED\xA0\x80\u201D can't be used as a name."},
    };
    for (const Case& c : cases) {
        const std::optional<FailureKind> kind = invalidNameKind(c.newName);
        EXPECT_EQ(kind ? failureText({*kind, "a.txt", c.newName, 0}) : "", c.reason) << c.newName;
    }
}

TEST(FileMoveTest, FailureSentences) {
    struct Case {
        int error;
        const char* text;
    };
    const Case cases[] = {
        {EEXIST, "\u201Cb.txt\u201D already exists."},
        {ENOENT, "\u201Ca.txt\u201D no longer exists."},
        {EACCES, "You don't have permission to rename \u201Ca.txt\u201D."},
        {EROFS, "\u201Ca.txt\u201D is on a read-only file system."},
        {ENAMETOOLONG, "The new name is too long."},
        {ENOSPC, "There isn't enough space on the disk to rename \u201Ca.txt\u201D."},
        {EMLINK, "\u201Ca.txt\u201D couldn't be renamed (Too many links)."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(failureText({moveFailureKind(c.error), "a.txt", "b.txt", c.error}), c.text)
            << c.error;
    }
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

// What FAT-family drives are refused before any move.
TEST(FileMoveTest, DriveRefusals) {
    TempDir dir;
    dir.makeDir("folder");
    struct Case {
        Drive drive;
        std::string name;
        std::string newName;
        std::optional<FailureKind> refusal;
    };
    const std::string long255 = std::string(251, 'x') + ".jpg";
    // clang-format off
    const Case cases[] = {
        {Drive::other, "a", "b:c?\\|*<>\"\t\x7F", std::nullopt},
        {Drive::fat, "a", "IMG_0001 (copy) #2, [x]+y=z.jpg", std::nullopt},
        {Drive::fat, "a", "caf\xC3\xA9 \xF0\x9F\x93\xB7", std::nullopt},
        {Drive::fat, "folder", "new", std::nullopt},
        {Drive::fat, "a", long255, std::nullopt},
        {Drive::fat, "a", long255 + "x", FailureKind::nameTooLong},
        {Drive::fat, "a", std::string(127, 'x') + "\xF0\x9F\x93\xB7", std::nullopt},  // 129 UTF-16 units
        {Drive::fat, "a", std::string(254, 'x') + "\xF0\x9F\x93\xB7", FailureKind::nameTooLong},
        {Drive::fusefat, "a", "IMG_0001 (copy).jpg", std::nullopt},
        {Drive::fusefat, "a", "caf\xC3\xA9", FailureKind::nameNotOnDrive},
        {Drive::fusefat, "folder", "new", FailureKind::other},
    };
    // clang-format on
    for (const char* bad :
         {"b:c", "b?", "b*", "b|", "b\\", "b<", "b>", "b\"", "\t", "\x7F", "\xC2\x85"}) {
        for (const Drive drive : {Drive::fat, Drive::fusefat}) {
            EXPECT_EQ(driveRefusal(AT_FDCWD, drive, dir.pathOf("a"), bad).value().kind,
                      FailureKind::nameNotOnDrive)
                << escapedBytes(bad);
        }
    }
    for (const Case& c : cases) {
        const std::optional<Failure> refusal =
            driveRefusal(AT_FDCWD, c.drive, dir.pathOf(c.name), c.newName);
        EXPECT_EQ(refusal ? std::optional(refusal->kind) : std::nullopt, c.refusal)
            << escapedBytes(c.newName);
    }
}

}  // namespace
}  // namespace vellumix::detail
