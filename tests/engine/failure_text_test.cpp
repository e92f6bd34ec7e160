// What a failed move's errno means, and the sentence each failure is told in.

#include "engine/failure_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <utility>

namespace vellumix {
namespace {

// Each errno a move may fail with, told as a sentence; the kinds that come from
// the new name itself are told in the batch rename's outcome table.
TEST(FailureTextTest, SentenceOfEachErrno) {
    const std::pair<int, const char*> cases[] = {
        {EEXIST, "\u201Cb.txt\u201D already exists."},
        {ENOENT, "\u201Ca.txt\u201D no longer exists."},
        {EACCES, "You don't have permission to rename \u201Ca.txt\u201D."},
        {EROFS, "\u201Ca.txt\u201D is on a read-only file system."},
        {ENAMETOOLONG, "The new name is too long."},
        {EDQUOT, "There isn't enough space on the disk to rename \u201Ca.txt\u201D."},
        {ETXTBSY, "\u201Ca.txt\u201D is in use."},
        {EXDEV, "\u201Ca.txt\u201D can't be moved to another file system."},
        {EIO, "A disk error occurred while renaming \u201Ca.txt\u201D."},
        {ENOTCONN, "\u201Ca.txt\u201D couldn't be renamed: the drive is no longer reachable."},
        {EMLINK, "\u201Ca.txt\u201D couldn't be renamed (Too many links)."},
    };
    for (const auto& [error, text] : cases)
        EXPECT_EQ(failureText({failureKindOf(error), "a.txt", "b.txt", error, {}}), text) << error;
    // A file stopped between the two moves of a change of letter case is told
    // where it now is.
    EXPECT_EQ(failureText({FailureKind::leftUnderTemporaryName, "A.txt", "a.txt", ENOTCONN,
                           "A.txt.vellumix-renaming-0123abcd"}),
              "\u201CA.txt\u201D couldn't be renamed and is now named "
              "\u201CA.txt.vellumix-renaming-0123abcd\u201D, in the same folder.");
}

// The names go into the sentence byte for byte, in one pass: a "%1" or "%2"
// inside a name, or bytes that are not UTF-8, stay as they are; an installed
// translation is used for every later sentence, until it is taken away.
TEST(FailureTextTest, NamesGoInVerbatimAndTheTranslationIsUsed) {
    const Failure failure{FailureKind::other, "%2 a\xFF%1.txt", "%1 b.txt", EMLINK, {}};
    const std::string english = "\u201C%2 a\xFF%1.txt\u201D couldn't be renamed (Too many links).";
    EXPECT_EQ(failureText(failure), english);
    setFailureTranslation([](const char* sentence) { return "<" + std::string(sentence) + ">"; });
    EXPECT_EQ(failureText(failure), "<" + english + ">");
    EXPECT_EQ(failureText({FailureKind::alreadyExists, "a", "%2b", 0, {}}),
              "<\u201C%2b\u201D already exists.>");
    setFailureTranslation(nullptr);
    EXPECT_EQ(failureText(failure), english);
}

}  // namespace
}  // namespace vellumix
