// The result alert's report and text, byte for byte.

#include "viewmodel/result_report.h"

#include <gtest/gtest.h>

namespace vellumix {
namespace {

TEST(ResultReportTest, BothForms) {
    struct Case {
        const char* name;
        RenameResult result;
        const char* text;
    };
    const Case cases[] = {
        {"nothing", {}, "\u2705 0 file(s) renamed successfully."},
        {"no grouping", {1234567, {}, {}, {}}, "\u2705 1234567 file(s) renamed successfully."},
        {"one failure",
         {3, {{"a2.txt", "\u201Ca.txt\u201D already exists."}}, {}, {}},
         "\u2705 3 renamed.\n\u274C 1 error(s):\n\u2022 a2.txt: \u201Ca.txt\u201D already exists."},
        {"failures only",
         {0, {{"a", "one."}, {"b", "two."}, {"c", "three."}}, {}, {}},
         "\u2705 0 renamed.\n\u274C 3 error(s):\n\u2022 a: one.\n\u2022 b: two.\n\u2022 c: three."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(reportOf(c.result).message(), c.text) << c.name;

    // The parts the alert shows apart.
    const ResultReport parts = reportOf(cases[3].result);
    EXPECT_EQ(parts.summary + parts.failureHeading, "\u2705 0 renamed.\u274C 3 error(s):");
    EXPECT_EQ(parts.failureLines,
              (std::vector<std::string>{"\u2022 a: one.", "\u2022 b: two.", "\u2022 c: three."}));
}

}  // namespace
}  // namespace vellumix
