// The no-replace move, each of its stages on real files, and its sentences.

#include "engine/file_move.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <string>

#include "support/temp_dir.h"

namespace vellumix::detail {
namespace {

using vellumix::testing::TempDir;

struct Stage {
    const char* name;
    int (*move)(int, const std::string&, const std::string&);
};

// The primary move and both fallbacks must keep the same promise; ext4 and
// tmpfs accept the flag, so the fallbacks are called here directly.
const Stage kStages[] = {
    {"renameat2", &moveWithoutReplacing},
    {"link + unlink", &moveByHardLink},
    {"check + rename", &moveAfterCheck},
};

TEST(FileMoveTest, EveryStageMovesOnlyToAFreeName) {
    using Contents = std::map<std::string, std::string>;
    struct Case {
        const char* name;
        Contents before;
        bool danglingLinkAtB;
        int error;
        Contents after;
    };
    // clang-format off
    const Case cases[] = {
        {"free name", {{"a.txt", "A"}}, false, 0, {{"b.txt", "A"}}},
        {"existing destination", {{"a.txt", "A"}, {"b.txt", "B"}}, false, EEXIST, {{"a.txt", "A"}, {"b.txt", "B"}}},
        {"dangling link at the destination", {{"a.txt", "A"}}, true, EEXIST, {{"a.txt", "A"}, {"b.txt", ""}}},
        {"missing source", {}, false, ENOENT, {}},
    };
    // clang-format on
    for (const Stage& s : kStages) {
        for (const Case& c : cases) {
            TempDir dir;
            for (const auto& [name, contents] : c.before)
                dir.write(name, contents);
            if (c.danglingLinkAtB) {
                ASSERT_EQ(::symlink("missing", dir.pathOf("b.txt").c_str()), 0);
            }
            EXPECT_EQ(s.move(AT_FDCWD, dir.pathOf("a.txt"), dir.pathOf("b.txt")), c.error)
                << s.name << ": " << c.name;
            EXPECT_EQ(dir.contents(), c.after) << s.name << ": " << c.name;
        }
    }
}

TEST(FileMoveTest, HardLinkStageLeavesDirectoriesToTheNextStage) {
    TempDir dir;
    dir.makeDir("old");
    EXPECT_EQ(moveByHardLink(AT_FDCWD, dir.pathOf("old"), dir.pathOf("new")), EISDIR);
    EXPECT_TRUE(dir.exists("old"));
    EXPECT_EQ(moveAfterCheck(AT_FDCWD, dir.pathOf("old"), dir.pathOf("new")), 0);
    EXPECT_TRUE(dir.exists("new"));
}

TEST(FileMoveTest, HardLinkStageMovesASymbolicLinkItself) {
    TempDir dir;
    ASSERT_EQ(::symlink("missing", dir.pathOf("link").c_str()), 0);
    EXPECT_EQ(moveByHardLink(AT_FDCWD, dir.pathOf("link"), dir.pathOf("moved")), 0);
    EXPECT_FALSE(dir.exists("link"));
    char target[16] = {};
    ASSERT_EQ(::readlink(dir.pathOf("moved").c_str(), target, sizeof target - 1), 7);
    EXPECT_STREQ(target, "missing");
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
        {"/", "A name can't contain \u201C/\u201D."},
        {"../x", "A name can't contain \u201C/\u201D."},
        {".", "\u201C.\u201D can't be used as a name."},
        {"..", "\u201C..\u201D can't be used as a name."},
        {std::string("a\0b", 3), "A name can't contain a null character."},
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
        {ENOTEMPTY, "\u201Cb.txt\u201D already exists."},
        {ENOENT, "\u201Ca.txt\u201D no longer exists."},
        {EACCES, "You don't have permission to rename \u201Ca.txt\u201D."},
        {EPERM, "You don't have permission to rename \u201Ca.txt\u201D."},
        {EROFS, "\u201Ca.txt\u201D is on a read-only file system."},
        {ENAMETOOLONG, "The new name is too long."},
        {ENOSPC, "There isn't enough space on the disk to rename \u201Ca.txt\u201D."},
        {EBUSY, "\u201Ca.txt\u201D is in use."},
        {EXDEV, "\u201Ca.txt\u201D can't be moved to another file system."},
        {EIO, "A disk error occurred while renaming \u201Ca.txt\u201D."},
        {EMLINK, "\u201Ca.txt\u201D couldn't be renamed (Too many links)."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(failureText({moveFailureKind(c.error), "a.txt", "b.txt", c.error}), c.text)
            << c.error;
    }
}

// An installed wording makes every sentence; removing it brings English back.
TEST(FileMoveTest, InstalledWordingMakesTheSentences) {
    setFailureWording([](const Failure& failure) { return "[" + failure.newName + "]"; });
    EXPECT_EQ(failureText({FailureKind::alreadyExists, "a.txt", "b.txt", EEXIST}), "[b.txt]");
    setFailureWording(nullptr);
    EXPECT_EQ(failureText({FailureKind::alreadyExists, "a.txt", "b.txt", EEXIST}),
              "\u201Cb.txt\u201D already exists.");
}

}  // namespace
}  // namespace vellumix::detail
