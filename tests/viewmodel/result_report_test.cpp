// The result alert's report and text, byte for byte, made from a batch's outcomes.

#include "viewmodel/result_report.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace vellumix {
namespace {

using Kind = RenameOutcome::Kind;

RenameOutcome outcome(Kind kind, const std::string& name, FailureKind failure = {}) {
    return {kind, FileUrl("/d/" + name), "x" + name, {failure, name, "x" + name, EMLINK}};
}

TEST(ResultReportTest, BothForms) {
    struct Case {
        const char* name;
        std::vector<RenameOutcome> outcomes;
        const char* text;
    };
    const Case cases[] = {
        {"nothing", {}, "\u2705 0 file(s) renamed successfully."},
        {"skipped items are not counted",
         {outcome(Kind::moved, "a"), outcome(Kind::unchanged, "b"), outcome(Kind::emptyName, "c"),
          outcome(Kind::notUtf8, "d")},
         "\u2705 1 file(s) renamed successfully."},
        {"one failure",
         {outcome(Kind::moved, "a"), outcome(Kind::failed, "b.txt", FailureKind::alreadyExists),
          outcome(Kind::moved, "c")},
         "\u2705 2 renamed.\n\u274C 1 error(s):\n\u2022 b.txt: \u201Cxb.txt\u201D already exists."},
        {"failures only, in list order",
         {outcome(Kind::failed, "a", FailureKind::nameTooLong),
          outcome(Kind::failed, "b", FailureKind::other),
          outcome(Kind::failed, "c", FailureKind::inUse)},
         "\u2705 0 renamed.\n\u274C 3 error(s):\n\u2022 a: The new name is too long.\n"
         "\u2022 b: \u201Cb\u201D couldn't be renamed (Too many links).\n"
         "\u2022 c: \u201Cc\u201D is in use."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(reportOf(c.outcomes).message(), c.text) << c.name;

    // Counts are never grouped, whatever the locale.
    const std::vector<RenameOutcome> many(1234, outcome(Kind::moved, "a"));
    EXPECT_EQ(reportOf(many).summary, "\u2705 1234 file(s) renamed successfully.");
    const ResultReport parts = reportOf(cases[3].outcomes);
    EXPECT_EQ(parts.summary, "\u2705 0 renamed.");
    EXPECT_EQ(parts.failureHeading, "\u274C 3 error(s):");
    EXPECT_EQ(parts.failureLines.size(), 3u);
}

}  // namespace
}  // namespace vellumix
