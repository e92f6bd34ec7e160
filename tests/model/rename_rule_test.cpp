#include "model/rename_rule.h"

#include <gtest/gtest.h>

namespace vellumix {
namespace {

// Every label leads back to its own case, and only the whole label, with its capitals, does.
TEST(RenameRuleTest, FromRawValueFindsEachCaseByItsExactLabel) {
    for (RenameRule rule : allCases<RenameRule>())
        EXPECT_EQ(fromRawValue<RenameRule>(rawValue(rule)), rule) << rawValue(rule);
    for (CaseOption option : allCases<CaseOption>())
        EXPECT_EQ(fromRawValue<CaseOption>(rawValue(option)), option) << rawValue(option);
    for (InsertPosition position : allCases<InsertPosition>())
        EXPECT_EQ(fromRawValue<InsertPosition>(rawValue(position)), position);
    EXPECT_EQ(allCases<RenameRule>().size(), 9u);
    for (const char* label : {"find & replace", "Find& Replace", "Find & Replace ", ""})
        EXPECT_EQ(fromRawValue<RenameRule>(label), std::nullopt) << label;
}

}  // namespace
}  // namespace vellumix
