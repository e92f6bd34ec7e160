// The result alert's text, byte for byte.

#include "viewmodel/result_text.h"

#include <gtest/gtest.h>

namespace vellumix::detail {
namespace {

TEST(ResultTextTest, BothForms) {
    struct Case {
        const char* name;
        RenameResult result;
        const char* text;
    };
    const Case cases[] = {
        {"nothing", {}, "\u2705 0 file(s) renamed successfully."},
        {"no grouping", {1234567, {}, {}}, "\u2705 1234567 file(s) renamed successfully."},
        {"one failure",
         {3, {{"a2.txt", "\u201Ca.txt\u201D already exists."}}, {}},
         "\u2705 3 renamed.\n\u274C 1 error(s):\n\u2022 a2.txt: \u201Ca.txt\u201D already exists."},
        {"failures only",
         {0, {{"a", "one."}, {"b", "two."}, {"c", "three."}}, {}},
         "\u2705 0 renamed.\n\u274C 3 error(s):\n\u2022 a: one.\n\u2022 b: two.\n\u2022 c: three."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(renameResultText(c.result), c.text) << c.name;
}

}  // namespace
}  // namespace vellumix::detail
