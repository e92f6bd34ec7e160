// What a failed move's errno means, and the sentence each failure is told in.

#include "engine/failure_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace vellumix {
namespace {

TEST(FailureTextTest, EachKindsSentence) {
    struct Case {
        FailureKind kind;
        const char* text;
    };
    const Case cases[] = {
        {FailureKind::alreadyExists, "\u201Cb.txt\u201D already exists."},
        {FailureKind::noLongerExists, "\u201Ca.txt\u201D no longer exists."},
        {FailureKind::permissionDenied, "You don't have permission to rename \u201Ca.txt\u201D."},
        {FailureKind::readOnly, "\u201Ca.txt\u201D is on a read-only file system."},
        {FailureKind::nameTooLong, "The new name is too long."},
        {FailureKind::noSpace, "There isn't enough space on the disk to rename \u201Ca.txt\u201D."},
        {FailureKind::inUse, "\u201Ca.txt\u201D is in use."},
        {FailureKind::otherFileSystem, "\u201Ca.txt\u201D can't be moved to another file system."},
        {FailureKind::diskError, "A disk error occurred while renaming \u201Ca.txt\u201D."},
        {FailureKind::emptyName, "A name can't be empty."},
        {FailureKind::nameWithSlash, "A name can't contain \u201C/\u201D."},
        {FailureKind::nameWithNull, "A name can't contain a null character."},
        {FailureKind::reservedName, "\u201Cb.txt\u201D can't be used as a name."},
        {FailureKind::nameNotOnDrive, "\u201Cb.txt\u201D can't be used as a name on this drive."},
        {FailureKind::other, "\u201Ca.txt\u201D couldn't be renamed (Too many links)."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(failureText({c.kind, "a.txt", "b.txt", EMLINK}), c.text) << c.text;
}

TEST(FailureTextTest, KindOfEachErrno) {
    struct Case {
        int error;
        FailureKind kind;
    };
    const Case cases[] = {
        {EEXIST, FailureKind::alreadyExists},
        {ENOTEMPTY, FailureKind::alreadyExists},
        {EISDIR, FailureKind::alreadyExists},
        {ENOENT, FailureKind::noLongerExists},
        {ENOTDIR, FailureKind::noLongerExists},
        {EACCES, FailureKind::permissionDenied},
        {EPERM, FailureKind::permissionDenied},
        {EROFS, FailureKind::readOnly},
        {ENAMETOOLONG, FailureKind::nameTooLong},
        {ENOSPC, FailureKind::noSpace},
        {EDQUOT, FailureKind::noSpace},
        {EBUSY, FailureKind::inUse},
        {ETXTBSY, FailureKind::inUse},
        {EXDEV, FailureKind::otherFileSystem},
        {EIO, FailureKind::diskError},
        {EMLINK, FailureKind::other},
    };
    for (const Case& c : cases)
        EXPECT_EQ(failureKindOf(c.error), c.kind) << c.error;
}

// The names go into the sentence byte for byte, in one pass: a "%1" or "%2"
// inside a name, or bytes that are not UTF-8, stay as they are; an installed
// translation is used for every later sentence, until it is taken away.
TEST(FailureTextTest, NamesGoInVerbatimAndTheTranslationIsUsed) {
    const Failure failure{FailureKind::other, "%2 a\xFF%1.txt", "%1 b.txt", EMLINK};
    const std::string english = "\u201C%2 a\xFF%1.txt\u201D couldn't be renamed (Too many links).";
    EXPECT_EQ(failureText(failure), english);
    setFailureTranslation([](const char* sentence) { return "<" + std::string(sentence) + ">"; });
    EXPECT_EQ(failureText(failure), "<" + english + ">");
    EXPECT_EQ(failureText({FailureKind::alreadyExists, "a", "%2b", 0}),
              "<\u201C%2b\u201D already exists.>");
    setFailureTranslation(nullptr);
    EXPECT_EQ(failureText(failure), english);
}

}  // namespace
}  // namespace vellumix
